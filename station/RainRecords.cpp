#include "station/RainRecords.h"

#include "station/CalendarPeriod.h"
#include "station/DataFileBusy.h"
#include "station/DataFileSession.h"
#include "station/RecordLineReader.h"
#include "station/ValueText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// One time of each month among `times`: the walks of all records of a month end at the same
// stored record. Times that name no month end their walk at the first record with rain; they
// are kept, as they match no stored record.
std::vector<std::string_view> OneTimePerMonth(const std::vector<std::string>& times) {
    std::vector<std::string_view> months;
    for (const std::string& time : times) {
        const bool known = std::any_of(months.begin(), months.end(), [&](std::string_view month) {
            return SamePeriod(time, month, "month");
        });
        if (!known)
            months.push_back(time);
    }
    return months;
}

// Whether the walk of a record of each of `months` ends at the record of `line` at the latest.
// Only a line with all its fields counts: the record of a shorter one also holds fields of the
// lines before it, which are not read yet.
bool EndsEveryWalk(std::string_view line, const std::vector<std::string_view>& months) {
    std::array<std::string_view, kRecordLineReadPieces> pieces;
    if (SplitRecordLine(line, pieces) < pieces.size())
        return false;
    const std::string_view rainMm = pieces[kRecordRainMmPiece];
    if (rainMm.empty() || rainMm == kNoValueText)
        return false;
    const std::string_view time = pieces[kRecordTimePiece];
    return std::none_of(months.begin(), months.end(),
                        [&](std::string_view month) { return SamePeriod(time, month, "month"); });
}

} // namespace

bool LoadRecordsForRain(const std::vector<std::string>& times, CWeatherRecordArray& records) {
    const std::vector<std::string_view> months = OneTimePerMonth(times);
    std::vector<std::string> newestFirst;
    {
        const CBusyGuard busy = WaitAndTakeDataFile(kRainSumBusyWaits);
        if (!busy.IsTaken())
            return false;
        DataFileSession session;
        const int read = session.Store().ForEachLineFromEnd([&](std::string_view line) {
            newestFirst.emplace_back(line);
            return !EndsEveryWalk(line, months);
        });
        // Sums over part of the records would be wrong, not just missing.
        if (read == CFdb::kReadFailed)
            return false;
    }
    // The oldest line read has all its fields (or is the first of the file), so a record that
    // starts there reads the lines as one that started at the top of the file would.
    records.clear();
    records.reserve(newestFirst.size());
    CWeatherRecord record;
    for (auto line = newestFirst.rbegin(); line != newestFirst.rend(); ++line) {
        record.ParseRecordLine(*line);
        records.push_back(record);
    }
    return true;
}

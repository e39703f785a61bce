#include "station/link/HistoryDownload.h"

#include "station/console/WeatherSet.h"
#include "station/link/StatusText.h"
#include "station/link/WeatherComm.h"
#include "station/records/RecordLayer.h"
#include "station/values/AppendPrintf.h"
#include "station/values/Clock.h"
#include "station/values/TimeText.h"
#include "texts/Env.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDataReadText = 149; // "Data has been read."
constexpr time_t kSecondsPerMinute = 60;
// A time text no longer than a date carries no time.
constexpr std::size_t kDateLength = 10;

int Minutes(const std::string& interval) {
    return std::atoi(interval.c_str());
}

void ShowProgress(IStatusTextTarget* window, int attempt) {
    std::snprintf(g_statusText, kStatusTextSize, "%d %s ...", attempt, Tr(kDataReadText));
    SetStatusText(window, g_statusText);
}

// Dates the records (newest first) forwards from the stored record they follow. False when
// the times do not fit: the oldest record, dated backwards, lies more than two of the stored
// record's intervals before it (a), or the newest, dated forwards, more than two of its own
// intervals after now (b).
bool RebuildTimes(CWeatherRecordArray& records, const CWeatherRecord& stored) {
    const time_t gap = TimeSpanBetween(stored.recordTime, records.back().recordTime);
    if (-(gap / kSecondsPerMinute) > 2 * Minutes(stored.sampleCircle))
        return false;
    time_t time = TextToTime(stored.recordTime);
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        time += Minutes(record->sampleCircle) * kSecondsPerMinute;
        record->recordTime = FormatRecordTime(time);
    }
    return (time - CurrentTime()) / kSecondsPerMinute <= 2 * Minutes(records.front().sampleCircle);
}

} // namespace

bool IsSameRecord(const CWeatherRecord& stored, const CWeatherRecord& fresh, int largestMinutes) {
    return stored.hexAddr == fresh.hexAddr &&
           TimeSpanBetween(stored.recordTime, fresh.recordTime) <=
               2 * largestMinutes * kSecondsPerMinute;
}

// The list is emptied first, so that whatever returns 0 delivers nothing.
int DownloadHistory(CWeatherComm& comm, CWeatherRecordArray& records,
                    const CWeatherSettings& settings, IStatusTextTarget* window,
                    const std::function<bool()>& stopRequested) {
    records.clear();
    // The newest record is still being filled; it comes with a later download.
    const int attempts =
        std::min(std::atoi(settings.historyRecords.c_str()) - 1, kMostDownloadedRecords);
    const int newest = std::atoi(settings.historyStackAddr.c_str());
    if (attempts < 1 || !IsHistorySlot(newest))
        return 0;

    CWeatherRecord stored;
    LoadLastRecord(stored);
    time_t time = CurrentTime();
    int largest = 0;
    bool met = false;
    int address = HistorySlotBefore(newest);
    // A failed read uses up its attempt; the record is skipped.
    for (int attempt = 1; attempt <= attempts && !met; ++attempt) {
        // A full ring takes minutes on a slow console; the program must not wait for that to
        // end. The console keeps the records, so the next download fetches them.
        if (stopRequested && stopRequested()) {
            records.clear();
            return 0;
        }
        ShowProgress(window, attempt);
        CWeatherRecord record;
        if (comm.ReadRecordAt(address, record, false)) {
            AppendPrintf(record.sequenceNo, "%4d", attempts - attempt + 1);
            record.recordTime = FormatRecordTime(time);
            const int interval = Minutes(record.sampleCircle);
            largest = std::max(largest, interval);
            met = IsSameRecord(stored, record, largest);
            if (!met) {
                records.push_back(std::move(record));
                time -= interval * kSecondsPerMinute;
            }
        }
        address = HistorySlotBefore(address);
    }
    if (met && stored.recordTime.size() > kDateLength && !records.empty() &&
        !RebuildTimes(records, stored))
        records.clear();
    return static_cast<int>(records.size());
}

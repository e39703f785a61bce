#include "station/records/RainRecords.h"

#include "station/records/DataFileBusy.h"
#include "station/records/DataFileSession.h"
#include "station/records/RecordLineFields.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kRecordIntervalPiece = LinePieceOf(&CWeatherRecord::sampleCircle);
constexpr std::size_t kRecordIncrementPiece = LinePieceOf(&CWeatherRecord::increment);
constexpr std::size_t kRecordTotalRainPiece = LinePieceOf(&CWeatherRecord::totalRain);
constexpr int kMonth = static_cast<int>(CalendarPeriod::kMonth);

// The months among `times`: the walks of all records of a month end at the same stored record.
// A time of no month matches no stored record, so its walk ends at the first one with rain.
std::vector<PeriodKey> MonthsOf(const std::vector<std::string>& times) {
    std::vector<PeriodKey> months;
    for (const std::string& time : times) {
        const std::optional<PeriodKey> month = PeriodOf(time, CalendarPeriod::kMonth);
        if (month && std::find(months.begin(), months.end(), *month) == months.end())
            months.push_back(*month);
    }
    return months;
}

// The rows read last, kept while the file stays as it was: the monitor thread sums the live
// record every cycle, mostly over a file that has not changed since. Used only inside a
// DataFileSession, which keeps the threads apart.
struct RainRowsCache {
    std::string path;
    FileState state;
    std::vector<PeriodKey> months; // the rows reach back past the walks of these months
    std::vector<RainRow> rows;

    bool Holds(const std::string& file, const FileState& now,
               const std::vector<PeriodKey>& wanted) const {
        return file == path && now == state &&
               std::all_of(wanted.begin(), wanted.end(), [&](const PeriodKey& month) {
                   return std::find(months.begin(), months.end(), month) != months.end();
               });
    }
};

RainRowsCache g_rainRowsCache;

// The stored records with rain from the end of the file back to where every walk of `months`
// ends, oldest first, each read from its own line alone. False on a read error.
bool ReadRainRows(const CFdb& store, const std::vector<PeriodKey>& months,
                  std::vector<RainRow>& rows) {
    std::vector<RainRow> newestFirst;
    RecordFieldViews fields;
    const bool whole = store.ForEachLineFromEnd([&](std::string_view line) {
        if (!ReadRecordFields(line, fields) || !HasRainValue(fields[kRecordRainMmPiece]))
            return true;
        newestFirst.push_back(MakeRainRow(fields[kRecordTimePiece], fields[kRecordIntervalPiece],
                                          fields[kRecordRainMmPiece], fields[kRecordIncrementPiece],
                                          fields[kRecordTotalRainPiece]));
        // The walk of every record ends at the first stored record with rain of another month
        // than each of the records.
        const std::optional<PeriodKey>& month = newestFirst.back().periods[kMonth];
        return month && std::find(months.begin(), months.end(), *month) != months.end();
    }) != CFdb::kReadFailed;
    rows.assign(newestFirst.rbegin(), newestFirst.rend());
    return whole;
}

} // namespace

bool LoadRainRows(const std::vector<std::string>& times, std::vector<RainRow>& rows) {
    const std::vector<PeriodKey> months = MonthsOf(times);
    const CBusyGuard busy = WaitAndTakeDataFile(kRainSumBusyWaits);
    if (!busy.IsTaken())
        return false;
    DataFileSession session;
    const CFdb& store = session.Store();
    FileState state;
    const bool known = store.ReadState(state);
    if (known && g_rainRowsCache.Holds(store.Path(), state, months)) {
        rows = g_rainRowsCache.rows;
        return true;
    }
    std::vector<RainRow> read;
    // Sums over part of the records would be wrong, not just missing.
    if (!ReadRainRows(store, months, read))
        return false;
    rows = std::move(read);
    if (known)
        g_rainRowsCache = {store.Path(), state, months, rows};
    return true;
}

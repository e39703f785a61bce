#include "station/records/RainRecords.h"

#include "station/records/DataFileBusy.h"
#include "station/records/DataFileSession.h"
#include "station/records/RecordLineReader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr std::size_t kRecordIntervalPiece = kRecordTimePiece + 1;
constexpr std::size_t kRecordIncrementPiece = kRecordRainMmPiece + 1;
constexpr std::size_t kRecordTotalRainPiece = 25;
constexpr int kMonth = static_cast<int>(CalendarPeriod::kMonth);

// What one line gives the rain sums: the fields it has; a shorter line keeps the others from
// the lines before it.
struct LineRain {
    std::size_t pieces = 0;
    RainRow row;
    bool hasRain = false;
};

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

// The fields a line has; those it lacks are left as they come.
LineRain ReadLineRain(const std::array<std::string_view, kRecordTotalRainPiece + 1>& pieces,
                      std::size_t count) {
    const auto piece = [&](std::size_t index) {
        return count > index ? pieces[index] : std::string_view();
    };
    return {count,
            MakeRainRow(piece(kRecordTimePiece), piece(kRecordIntervalPiece),
                        piece(kRecordRainMmPiece), piece(kRecordIncrementPiece),
                        piece(kRecordTotalRainPiece)),
            HasRainValue(piece(kRecordRainMmPiece))};
}

// What a record that read the lines before holds after it reads `line`.
void TakeFields(const LineRain& line, LineRain& record) {
    if (line.pieces > kRecordTimePiece) {
        record.row.periods = line.row.periods;
        record.row.clockSeconds = line.row.clockSeconds;
    }
    if (line.pieces > kRecordIntervalPiece)
        record.row.interval = line.row.interval;
    if (line.pieces > kRecordRainMmPiece) {
        record.row.rainMm = line.row.rainMm;
        record.hasRain = line.hasRain;
    }
    if (line.pieces > kRecordIncrementPiece)
        record.row.incrementTenths = line.row.incrementTenths;
    if (line.pieces > kRecordTotalRainPiece)
        record.row.totalRain = line.row.totalRain;
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
// ends, newest first, as the lines give them. False on a read error.
bool ReadLineRains(const CFdb& store, const std::vector<PeriodKey>& months,
                   std::vector<LineRain>& newestFirst) {
    return store.ForEachLineFromEnd([&](std::string_view line) {
        std::array<std::string_view, kRecordTotalRainPiece + 1> pieces;
        const std::size_t count = SplitRecordLine(line, pieces);
        const LineRain rain = ReadLineRain(pieces, count);
        newestFirst.push_back(rain);
        // The walk of every record ends here when this line has all its fields (the record of
        // a shorter one holds fields of the lines before, not read yet), a rain value and
        // another month than each of the records.
        const std::optional<PeriodKey>& month = rain.row.periods[kMonth];
        const bool otherMonth =
            !month || std::find(months.begin(), months.end(), *month) == months.end();
        if (count < pieces.size() || !rain.hasRain || !otherMonth)
            return true;
        std::array<std::string_view, kRecordLineReadPieces> all;
        return SplitRecordLine(line, all) < all.size();
    }) != CFdb::kReadFailed;
}

// The records the lines give, oldest first, those with rain alone. The oldest line has all its
// fields (or is the first of the file), so reading on from it gives each line the values a
// reading from the top of the file would.
std::vector<RainRow> RowsOf(const std::vector<LineRain>& newestFirst) {
    const CWeatherRecord fresh;
    LineRain record{kRecordLineReadPieces,
                    MakeRainRow(fresh.recordTime, fresh.sampleCircle, fresh.rainMm, fresh.increment,
                                fresh.totalRain),
                    HasRainValue(fresh.rainMm)};
    std::vector<RainRow> rows;
    rows.reserve(newestFirst.size());
    for (auto line = newestFirst.rbegin(); line != newestFirst.rend(); ++line) {
        TakeFields(*line, record);
        if (record.hasRain)
            rows.push_back(record.row);
    }
    return rows;
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
    std::vector<LineRain> newestFirst;
    // Sums over part of the records would be wrong, not just missing.
    if (!ReadLineRains(store, months, newestFirst))
        return false;
    rows = RowsOf(newestFirst);
    if (known)
        g_rainRowsCache = {store.Path(), state, months, rows};
    return true;
}

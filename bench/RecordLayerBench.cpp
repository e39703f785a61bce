// Times the record operations on a data file of a station's years, each beside the same work
// done by a memchr scan of the whole file (the limit of any reading of it), by awk over the
// text file and by sqlite3 over the records in a table indexed on their time:
//
//   record_layer_bench --data FILE
//
// scripts/bench.sh writes FILE (a million records, the last at 2024-12-31 23:50:00) and runs
// this. FILE is only read: the operations that change a data file work on copies in a folder
// of their own under the temporary folder, removed afterwards.
#include "bench/BenchData.h"
#include "bench/BenchFigures.h"
#include "bench/WeatherGenerator.h"
#include "station/records/GraphRecords.h"
#include "station/records/HistoryList.h"
#include "station/records/RainSum.h"
#include "station/records/RecordLayer.h"
#include "station/records/RowsOnlyList.h"
#include "station/values/TimeText.h"
#include "store/FDB.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

std::string Count(std::size_t count, const char* what) {
    return std::to_string(count) + " " + what;
}

std::string SqlImportScript(const std::string& dataPath) {
    std::string raw = "CREATE TABLE raw(";
    for (int i = 1; i <= 40; ++i)
        raw += "c" + std::to_string(i) + (i < 40 ? "," : ");\n");
    return raw + ".mode ascii\n.separator \",\" \"\\n\"\n.import " + dataPath + " raw\n" +
           "CREATE TABLE records AS SELECT trim(c1) AS recordNo, trim(c2) AS saveTime, "
           "trim(c3) AS recordTime, trim(c8) AS outTemp, trim(c11) AS absPres, "
           "trim(c20) AS rainMm, trim(c21) AS increment, trim(c26) AS totalRain, raw.* "
           "FROM raw;\n"
           "DROP TABLE raw;\n"
           "CREATE INDEX recordTimes ON records(recordTime);\n";
}

// One work of the table: ours, and the same work by awk and by sqlite3 where they can do it.
struct Work {
    const char* what;
    int runs;
    std::function<std::string()> ours;
    std::string awk;    // a shell command, or empty
    std::string sqlite; // an SQL statement, or empty
};

class Table {
public:
    Table(std::string database, double scanMs)
        : m_database(std::move(database)), m_scanMs(scanMs) {}

    void Measure(const Work& work) const {
        std::optional<double> sqliteMs;
        Figure sqlite;
        if (!work.sqlite.empty()) {
            sqlite = MeasureCommand(work.runs,
                                    "sqlite3 " + Quoted(m_database) + " \"" + work.sqlite + "\"");
            sqliteMs = sqlite.ms;
        }
        PrintFigure(work.what, MeasureFigure(work.runs, work.ours), m_scanMs, sqliteMs);
        if (!work.awk.empty())
            PrintFigure("    awk", MeasureCommand(std::min(work.runs, 3), work.awk), m_scanMs);
        if (!work.sqlite.empty())
            PrintFigure("    sqlite3, index on the time", sqlite, m_scanMs);
    }

private:
    std::string m_database;
    double m_scanMs;
};

// Copies the lines of `from` that come before the first one whose record time is `start` or
// later into `to`: a data file as it stood before a download of the records from `start` on.
void CopyLinesBefore(const std::string& from, const std::string& to, const std::string& start) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t time = line.find(", ", line.find(", ") + 2) + 2;
        if (line.compare(time, start.size(), start) >= 0)
            break;
        out << line << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string dataPath;
    const std::optional<CWeatherRecord> newest = OpenBenchData(argc, argv, dataPath);
    if (!newest)
        return 2;
    std::string folder = (std::filesystem::temp_directory_path() / "talvorin-bench-XXXXXX");
    if (!mkdtemp(folder.data()))
        return 1;
    const time_t last = TextToTime(newest->recordTime);
    const long lines = std::atol(newest->recordNo.c_str());
    const double megabytes = double(std::filesystem::file_size(dataPath)) / 1e6;

    // A week in the middle of the file, from midnight to midnight; the last year.
    const time_t first = last - (lines - 1) * kSampleIntervalSeconds;
    const std::string weekStart =
        FormatRecordTime(first + (last - first) / 2).substr(0, 10) + " 00:00:00";
    const std::string weekEnd = FormatRecordTime(TextToTime(weekStart) + 7 * 86400 - 1);
    const std::string yearStart = FormatRecordTime(last - 365 * 86400);
    const std::string lastText = FormatRecordTime(last);
    const CWeatherSettings units = MetricDisplayUnits();

    const double scanMs = MemchrScanMs(dataPath);
    std::printf("Data file: %ld records, %.1f MB, %s .. %s\n", lines, megabytes,
                FormatRecordTime(first).c_str(), lastText.c_str());
    std::printf("memchr scan of the whole file for its line ends: %.3f ms (%.0f MB/s)\n", scanMs,
                megabytes * 1000 / scanMs);
    const std::string database = folder + "/records.db";
    const std::string script = folder + "/import.sql";
    std::ofstream(script) << SqlImportScript(dataPath);
    const Figure import = MeasureCommand(0, "sqlite3 " + Quoted(database) + " < " + Quoted(script));
    std::printf("sqlite3: import into a table with an index on the time, once: %.0f ms\n",
                import.firstMs);

    const auto awkSpan = [&](const std::string& from, const std::string& to) {
        return "awk -F', ' '$3>=\"" + from + "\" && $3<=\"" + to + "\"' " + Quoted(dataPath);
    };
    const auto sqlSpan = [](const std::string& from, const std::string& to) {
        return "SELECT * FROM records WHERE recordTime BETWEEN '" + from + "' AND '" + to + "';";
    };
    // The rows as the history dialog's list keeps them.
    const auto fillList = [&](const std::string& from, const std::string& to) {
        RowsOnlyList list;
        InsertRecordColumns(list, units);
        LoadRecordsInRange(list, from, to, units);
        return Count(std::size_t(list.RowCount()), "rows");
    };
    const auto forGraph = [](const std::string& from, const std::string& to) {
        CWeatherRecordArray records;
        LoadRecordsForGraph(records, from, to);
        return Count(records.size(), "records");
    };
    // The graph dialog's road: lean records, a long span read in parts side by side.
    const auto leanGraph = [](const std::string& from, const std::string& to) {
        CGraphRecordArray records;
        LoadGraphRecords(records, from, to);
        return Count(records.size(), "lean records");
    };
    // The graph's reading of the span, nothing kept.
    const auto visit = [](const std::string& from, const std::string& to) {
        std::atomic<std::size_t> count = 0;
        VisitRecordsInRange(
            from, to, kGraphReadPartBytes, [](const std::vector<std::size_t>&) {},
            [&](std::size_t, const RecordFieldViews&) { ++count; });
        return Count(count, "records");
    };

    const Table table(database, scanMs);
    PrintFigureHeading(("Record layer; week " + weekStart + " .. " + weekEnd + ", year " +
                        yearStart + " .. " + lastText + "; /other is to sqlite3")
                           .c_str());
    table.Measure({"LoadLastRecord (the last record)", 1000,
                   [] {
                       CWeatherRecord record;
                       LoadLastRecord(record);
                       return record.recordTime;
                   },
                   "awk 'END { print }' " + Quoted(dataPath),
                   "SELECT * FROM records ORDER BY rowid DESC LIMIT 1;"});
    table.Measure(
        {"LastRecordNumber", 1000, [] { return std::to_string(LastRecordNumber()); }, "", ""});
    table.Measure({"LoadRecordsForGraph, a week", 20, [&] { return forGraph(weekStart, weekEnd); },
                   awkSpan(weekStart, weekEnd), sqlSpan(weekStart, weekEnd)});
    table.Measure(
        {"VisitRecordsInRange, a week", 20, [&] { return visit(weekStart, weekEnd); }, "", ""});
    table.Measure({"LoadGraphRecords, a week (the graph's lean records)", 20,
                   [&] { return leanGraph(weekStart, weekEnd); }, "", ""});
    table.Measure({"LoadRecordsInRange, a week into the list", 20,
                   [&] { return fillList(weekStart, weekEnd); }, "", ""});
    table.Measure({"LoadRecordsForGraph, the last year", 3,
                   [&] { return forGraph(yearStart, lastText); }, awkSpan(yearStart, lastText),
                   sqlSpan(yearStart, lastText)});
    table.Measure({"VisitRecordsInRange, the last year", 3,
                   [&] { return visit(yearStart, lastText); }, "", ""});
    table.Measure({"LoadGraphRecords, the last year (lean, in parts)", 3,
                   [&] { return leanGraph(yearStart, lastText); }, "", ""});
    table.Measure({"LoadRecordsInRange, the last year into the list", 3,
                   [&] { return fillList(yearStart, lastText); }, "", ""});
    table.Measure({"LoadAllRecords", 1,
                   [] {
                       CWeatherRecordArray all;
                       LoadAllRecords(all);
                       return Count(all.size(), "records");
                   },
                   "", ""});

    // The live record five minutes after the newest stored one, a shower later: its sums walk
    // back over the whole last month.
    const std::string monthStart = lastText.substr(0, 8) + "01 00:00:00";
    table.Measure(
        {"AccumulateRainForRecord, end of a month", 100,
         [&] {
             CWeatherRecord live = *newest;
             live.recordTime = FormatRecordTime(last + kSampleIntervalSeconds);
             live.rainMm = Tenths(std::atof(newest->rainMm.c_str()) + 0.6);
             AccumulateRainForRecord(live);
             return "month " + live.monthRain + " mm, total " + live.totalRain + " mm";
         },
         "awk -F', ' '$3>=\"" + monthStart + "\" { m += $21 } END { print m }' " + Quoted(dataPath),
         "SELECT sum(increment) FROM records WHERE recordTime >= '" + monthStart + "';"});

    // A full console ring downloaded in the middle of a month, summed against a copy of the
    // file as it stood before the ring's first record.
    constexpr int kRingRecords = 3263;
    const time_t ringEnd = TextToTime(lastText.substr(0, 8) + "21 12:00:00");
    const std::string ringFrom = FormatRecordTime(ringEnd - (kRingRecords - 1) * 300);
    const std::string ringTo = FormatRecordTime(ringEnd);
    CWeatherRecordArray ring;
    LoadRecordsForGraph(ring, ringFrom, ringTo);
    std::reverse(ring.begin(), ring.end());
    const std::string before = folder + "/Talvorin.dat";
    CopyLinesBefore(dataPath, before, ringFrom);
    g_fdb.Open(before);
    g_fdb.Close();
    const std::string ringMonth = ringTo.substr(0, 8) + "01 00:00:00";
    // Each call sums a download of its own, copied beforehand and kept afterwards: copying and
    // freeing 3263 whole records is no part of the sums. The first call, unmeasured, makes the
    // copies in the figure's own process, where writing to them costs no copying of pages; the
    // figure's peak memory holds them.
    constexpr int kRainRuns = 5;
    std::vector<CWeatherRecordArray> downloads;
    std::vector<CWeatherRecordArray> summed;
    table.Measure({"AccumulateRainForList, a full ring in mid-month", kRainRuns,
                   [&] {
                       if (summed.empty()) {
                           downloads.assign(kRainRuns + 1, ring);
                           summed.reserve(kRainRuns + 1);
                       }
                       CWeatherRecordArray& download = summed.emplace_back();
                       download.swap(downloads.back());
                       downloads.pop_back();
                       AccumulateRainForList(download, nullptr);
                       return Count(download.size(), "records") + ", newest: month " +
                              download.front().monthRain +
                              " mm (peak: " + std::to_string(kRainRuns + 1) + " copies)";
                   },
                   "awk -F', ' '$3>=\"" + ringMonth + "\" && $3<=\"" + ringTo +
                       "\" { m += $21; print m }' " + Quoted(dataPath),
                   "SELECT recordTime, sum(increment) OVER (ORDER BY recordTime) FROM records "
                   "WHERE recordTime BETWEEN '" +
                       ringMonth + "' AND '" + ringTo + "';"});
    table.Measure({"AppendRecords, a full ring", 1,
                   [&] {
                       AppendRecords(ring);
                       return "last record " + std::to_string(LastRecordNumber());
                   },
                   "", ""});

    std::filesystem::remove_all(folder);
    return 0;
}

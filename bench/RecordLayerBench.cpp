// Times the record operations on a data file of a station's years (by default a million
// records, five minutes apart, nearly ten years), beside two other ways of selecting one week
// of it: awk over the text file, and sqlite3 over the records in a table indexed on their time.
//
//   record_layer_bench [lines]
//
// Works in a folder of its own under the temporary folder and removes it afterwards.
#include "bench/WeatherGenerator.h"
#include "station/HistoryList.h"
#include "station/RainSum.h"
#include "station/RecordLayer.h"
#include "station/TimeText.h"
#include "store/FDB.h"
#include "tests/core/MemoryListControl.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Average milliseconds of `runs` calls.
double Time(int runs, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        work();
    return Milliseconds(std::chrono::steady_clock::now() - start) / runs;
}

// Times the work, then prints its line with what it gave.
void Row(const char* what, int runs, const std::function<void()>& work,
         const std::function<std::string()>& result) {
    const double ms = Time(runs, work);
    std::printf("  %-52s %10.3f ms   %s\n", what, ms, result().c_str());
}

// Runs a shell command and returns its output.
std::string Run(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[1 << 16];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

std::string Lines(long count, const char* what = "lines") {
    return std::to_string(count) + " " + what;
}

long CountLines(const std::string& text) {
    return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
}

std::string AllSums(const CWeatherRecord& r) {
    return r.rainMm + " " + r.increment + " " + r.hourRain + " " + r.dayRain + " " + r.weekRain +
           " " + r.monthRain + " " + r.totalRain;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

std::string SqlImportScript(const std::string& dataPath) {
    std::string raw = "CREATE TABLE raw(";
    for (int i = 1; i <= 40; ++i)
        raw += "c" + std::to_string(i) + (i < 40 ? "," : ");\n");
    return raw + ".mode ascii\n.separator \",\" \"\\n\"\n.import " + dataPath + " raw\n" +
           "CREATE TABLE records AS SELECT trim(c1) AS recordNo, trim(c2) AS saveTime, "
           "trim(c3) AS recordTime, trim(c8) AS outTemp, trim(c11) AS absPres, "
           "trim(c20) AS rainMm, trim(c26) AS totalRain, raw.* FROM raw;\n"
           "DROP TABLE raw;\n"
           "CREATE INDEX recordTimes ON records(recordTime);\n";
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    if (count < 1) {
        std::fprintf(stderr, "usage: %s [lines]\n", argv[0]);
        return 2;
    }
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    std::string folder = (std::filesystem::temp_directory_path() / "talvorin-bench-XXXXXX");
    if (!mkdtemp(folder.data()))
        return 1;
    const std::string dataPath = folder + "/Talvorin.dat";

    // The records end on the last evening of a month, so that the live record's rain sums walk
    // back over a whole month.
    const time_t last = TextToTime("2024-12-31 23:50:00");
    const time_t first = last - (count - 1) * kSampleIntervalSeconds;
    std::printf("Generating %ld records from %s to %s ...\n", count,
                FormatRecordTime(first).c_str(), FormatRecordTime(last).c_str());
    const double generated = Time(1, [&] { WriteSampleDataFile(dataPath, count, last); });
    const double megabytes = std::filesystem::file_size(dataPath) / 1e6;
    std::printf("  %.1f MB written in %.0f ms\n\n", megabytes, generated);

    // A week in the middle of the file, from midnight to midnight.
    const std::string weekDate = FormatRecordTime(first + (last - first) / 2).substr(0, 10);
    const std::string start = weekDate + " 00:00:00";
    const std::string end = FormatRecordTime(TextToTime(start) + 7 * 86400 - 1);
    const std::string yearStart = FormatRecordTime(last - 365 * 86400);
    const std::string lastText = FormatRecordTime(last);
    CWeatherSettings units;
    units.indTempUnit = units.outTempUnit = "\xC2\xB0"
                                            "C";
    units.presUnit = "hPa";
    units.windUnit = "m/s";
    units.rainUnit = "mm";
    units.lightmeterUnit = "lux";
    const auto fillList = [&](const std::string& from, const std::string& to) {
        MemoryListControl list;
        InsertRecordColumns(list, units);
        LoadRecordsInRange(list, from, to, units);
        return static_cast<long>(list.RowCount());
    };

    std::printf("Record layer (%ld lines; week %s .. %s):\n", count, start.c_str(), end.c_str());
    int number = 0;
    Row(
        "LastRecordNumber", 1000, [&] { number = LastRecordNumber(); },
        [&] { return "record " + std::to_string(number); });
    CWeatherRecord newest;
    Row(
        "LoadLastRecord", 1000, [&] { LoadLastRecord(newest); }, [&] { return newest.recordTime; });
    CWeatherRecordArray week;
    Row(
        "LoadRecordsForGraph, one week", 5, [&] { LoadRecordsForGraph(week, start, end); },
        [&] { return Lines(static_cast<long>(week.size()), "records"); });
    long rows = 0;
    Row(
        "LoadRecordsInRange, one week into the list", 5, [&] { rows = fillList(start, end); },
        [&] { return Lines(rows, "rows"); });
    Row(
        "LoadRecordsInRange, the last year into the list", 1,
        [&] { rows = fillList(yearStart, lastText); }, [&] { return Lines(rows, "rows"); });
    CWeatherRecordArray all;
    double loadAll = 0;
    Row(
        "LoadAllRecords", 1, [&] { loadAll = Time(1, [&] { LoadAllRecords(all); }); },
        [&] {
            char rate[64];
            std::snprintf(rate, sizeof rate, "%zu records, %.0f MB/s", all.size(),
                          megabytes * 1000 / loadAll);
            return std::string(rate);
        });
    CWeatherRecordArray().swap(all);

    // The live record five minutes after the newest stored one, a shower later.
    CWeatherRecord live = newest;
    live.recordTime = FormatRecordTime(last + kSampleIntervalSeconds);
    live.rainMm = Tenths(std::atof(newest.rainMm.c_str()) + 0.6);
    CWeatherRecord summed = live;
    Row(
        "AccumulateRainForRecord (a month back from the end)", 20,
        [&] {
            summed = live;
            AccumulateRainForRecord(summed);
        },
        [&] { return "month " + summed.monthRain + " mm, total " + summed.totalRain + " mm"; });
    CWeatherRecord plain = live;
    Row(
        "  the same over LoadAllRecords", 1,
        [&] {
            CWeatherRecordArray stored;
            LoadAllRecords(stored);
            AccumulateRain(plain, stored);
        },
        [&] { return AllSums(plain) == AllSums(summed) ? "same sums" : "DIFFERENT SUMS"; });
    CWeatherRecordArray newestFirst;
    {
        WeatherGenerator weather;
        for (int i = 100; i >= 1; --i)
            newestFirst.push_back(weather.Next(last + i * kSampleIntervalSeconds, 0));
    }
    Row(
        "AppendRecords, 100 records", 1, [&] { AppendRecords(newestFirst); },
        [&] { return "last record " + std::to_string(LastRecordNumber()); });

    std::printf("\nOther ways to select the same week:\n");
    const std::string awk = "awk -F', ' '$3>=\"" + start + "\" && $3<=\"" + end + "\"' " +
                            Quoted(dataPath) + " | wc -l";
    std::string awkOutput;
    Row(
        "awk over the data file", 1, [&] { awkOutput = Run(awk); },
        [&] { return Lines(std::atol(awkOutput.c_str())); });
    const std::string database = folder + "/records.db";
    const std::string script = folder + "/import.sql";
    if (FILE* file = std::fopen(script.c_str(), "w")) {
        std::fputs(SqlImportScript(dataPath).c_str(), file);
        std::fclose(file);
    }
    Row(
        "sqlite3: import into a table, index on the time", 1,
        [&] { Run("sqlite3 " + Quoted(database) + " < " + Quoted(script)); },
        [] { return std::string("(once)"); });
    const std::string query = "sqlite3 " + Quoted(database) +
                              " \"SELECT * FROM records WHERE recordTime BETWEEN '" + start +
                              "' AND '" + end + "';\"";
    std::string rowsOut;
    Row(
        "sqlite3: query of the week, rows printed", 5, [&] { rowsOut = Run(query); },
        [&] { return Lines(CountLines(rowsOut), "rows"); });
    Row(
        "sqlite3: process start and an empty query", 5,
        [&] { Run("sqlite3 " + Quoted(database) + " \"SELECT 1 WHERE 0;\""); },
        [] { return std::string("(included in the query above)"); });

    std::filesystem::remove_all(folder);
    return 0;
}

// Times the record operations on a data file of a station's years (by default a million
// records, five minutes apart, nearly ten years), beside two other ways of selecting one week
// of it: awk over the text file, and sqlite3 over the records in a table indexed on their time.
//
//   record_layer_bench [lines]
//
// Works in a folder of its own under the temporary folder and removes it afterwards.
#include "station/Beaufort.h"
#include "station/DerivedValues.h"
#include "station/HistoryList.h"
#include "station/RainSum.h"
#include "station/RecordLayer.h"
#include "station/TimeText.h"
#include "station/WindDirection.h"
#include "store/FDB.h"
#include "tests/core/MemoryListControl.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kIntervalSeconds = 300;
constexpr int kCounterWrap = 65536;
constexpr double kPi = 3.14159265358979323846;

std::string Tenths(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// Running sums of the rain of the calendar hour, day, week and month.
struct RainSums {
    double hour = 0, day = 0, week = 0, month = 0, total = 0;
    std::tm last{};

    void Add(const std::tm& now, double mm) {
        if (now.tm_mon != last.tm_mon || now.tm_year != last.tm_year)
            month = 0;
        if (now.tm_yday != last.tm_yday || now.tm_year != last.tm_year) {
            day = 0;
            if (now.tm_wday == 0)
                week = 0;
        }
        if (now.tm_hour != last.tm_hour || now.tm_yday != last.tm_yday)
            hour = 0;
        hour += mm;
        day += mm;
        week += mm;
        month += mm;
        total += mm;
        last = now;
    }
};

// Weather that changes as weather does: seasons, days and nights, showers, a drifting
// pressure, gusty wind; the rain counter rises in showers and wraps.
class WeatherGenerator {
public:
    CWeatherRecord Next(time_t time, int number) {
        std::tm local{};
        localtime_r(&time, &local);
        const double season = std::cos(2 * kPi * (local.tm_yday - 196) / 365.0);
        const double daytime = std::sin(2 * kPi * (local.tm_hour + local.tm_min / 60.0 - 9) / 24);
        m_drift = std::clamp(m_drift + Noise(0.15), -6.0, 6.0);
        const double outTemp = 9 + 9 * season + 4 * daytime + m_drift;
        const int outHumi = std::clamp(static_cast<int>(78 - 15 * daytime + 3 * m_drift), 20, 99);
        m_pressure = std::clamp(m_pressure + Noise(0.2), 975.0, 1045.0);
        m_wind = std::clamp(m_wind + Noise(0.3), 0.0, 22.0);
        const double gust = m_wind * (1.3 + Uniform() * 0.5);
        m_raining = m_raining ? Uniform() > 0.08 : Uniform() < 0.01;
        const int counts = m_raining ? static_cast<int>(Uniform() * 5) : 0;
        m_counter = (m_counter + counts) % kCounterWrap;
        m_sums.Add(local, counts * 0.3);
        const double light = std::max(0.0, daytime) * (40000 + 40000 * season) * Uniform();
        const int direction = static_cast<int>(m_wind * 7 + number / 500) % 16;

        CWeatherRecord r;
        r.recordNo = std::to_string(number);
        r.recordTime = FormatRecordTime(time);
        r.sampleCircle = "5";
        r.indHumi = std::to_string(std::clamp(outHumi / 2 + 15, 30, 60));
        r.indTemp = Tenths(21 + 1.5 * daytime);
        r.outHumi = std::to_string(outHumi);
        r.outTemp = Tenths(outTemp);
        r.dewPoint = Tenths(DewPoint(static_cast<float>(outTemp), static_cast<float>(outHumi)));
        r.windChill = Tenths(WindChill(static_cast<float>(outTemp), static_cast<float>(m_wind)));
        r.absPres = Tenths(m_pressure);
        r.relPres = Tenths(m_pressure + 12.6);
        r.winds = Tenths(m_wind);
        r.windsLevel = std::to_string(BeaufortFromSpeed(static_cast<float>(m_wind)));
        r.gust = Tenths(gust);
        r.gustLevel = std::to_string(BeaufortFromSpeed(static_cast<float>(gust)));
        r.windDir = std::to_string(direction);
        r.windDirDesc = WindDirectionName(direction);
        r.rain = std::to_string(m_counter);
        r.rainMm = Tenths(m_counter * 0.3);
        r.increment = Tenths(counts * 0.3);
        r.hourRain = Tenths(m_sums.hour);
        r.dayRain = Tenths(m_sums.day);
        r.weekRain = Tenths(m_sums.week);
        r.monthRain = Tenths(m_sums.month);
        r.totalRain = Tenths(m_sums.total);
        r.lightmeter = Tenths(light);
        r.uv = std::to_string(static_cast<int>(light / 9000));
        for (std::string* flag :
             {&r.flag1, &r.flag2, &r.flag3, &r.flag4, &r.flag5, &r.flag6, &r.flag7, &r.flag8})
            *flag = "0";
        char address[8];
        std::snprintf(address, sizeof address, "%06X", 0x100 + number % 3264 * 20);
        r.hexAddr = address;
        r.sequenceNo = "   1";
        r.hexValue = "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ";
        return r;
    }

private:
    double Uniform() { return std::uniform_real_distribution<double>(0, 1)(m_random); }
    double Noise(double size) { return (Uniform() - 0.5) * 2 * size; }

    std::mt19937 m_random{2024};
    double m_drift = 0, m_pressure = 1013, m_wind = 3;
    bool m_raining = false;
    int m_counter = 61000; // wraps within the first months
    RainSums m_sums;
};

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
    const time_t first = last - (count - 1) * kIntervalSeconds;
    std::printf("Generating %ld records from %s to %s ...\n", count,
                FormatRecordTime(first).c_str(), FormatRecordTime(last).c_str());
    const double generated = Time(1, [&] {
        g_fdb.Open(dataPath);
        WeatherGenerator weather;
        std::vector<std::string> lines;
        for (long i = 0; i < count; ++i) {
            lines.push_back(weather.Next(first + i * kIntervalSeconds, i + 1).FormatRecordLine());
            if (lines.size() == 10'000 || i + 1 == count) {
                g_fdb.WriteLines(lines);
                lines.clear();
            }
        }
        g_fdb.Close();
    });
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
    live.recordTime = FormatRecordTime(last + kIntervalSeconds);
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
            newestFirst.push_back(weather.Next(last + i * kIntervalSeconds, 0));
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

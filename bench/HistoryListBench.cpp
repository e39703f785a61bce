// Times the history dialog's list on a data file of a station's years: filling it with the last
// year and with every record, the memory its rows take beyond the empty list, and scrolling.
//
//   history_list_bench [--data FILE]
//
// Without --data it writes a million records, five minutes apart and ending on the last evening
// of 2024, into a folder of its own under the temporary folder and removes it afterwards.
#include "bench/WeatherGenerator.h"
#include "controls/HistoryListCtrl.h"
#include "station/HistoryList.h"
#include "station/RecordLayer.h"
#include "station/TimeText.h"
#include "store/FDB.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The processor time of this process so far, in ms: on a busy machine it says more about the
// work than the time on the clock.
double ProcessorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Resident and peak resident memory of this process, in MB.
double StatusMegabytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::atof(line.c_str() + std::strlen(key)) / 1024;
    }
    return 0;
}

void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

CWeatherSettings MetricUnits() {
    CWeatherSettings units;
    units.indTempUnit = units.outTempUnit = "\xC2\xB0"
                                            "C";
    units.presUnit = "hPa";
    units.windUnit = "m/s";
    units.rainUnit = "mm";
    units.lightmeterUnit = "lux";
    return units;
}

// The record layer's share of a fill: the span read and parsed, nothing kept.
void ReadOnly(const char* what, const std::string& start, const std::string& end) {
    long records = 0;
    const double processor = ProcessorMilliseconds();
    const auto started = std::chrono::steady_clock::now();
    VisitRecordsInRange(
        start, end, [&] { records = 0; }, [&](const CWeatherRecord&) { ++records; });
    std::printf("  %-34s %8ld rows %9.1f ms (%.1f ms processor)\n", what, records,
                Milliseconds(std::chrono::steady_clock::now() - started),
                ProcessorMilliseconds() - processor);
}

// Fills a list shown on the (offscreen) screen with the span, as a search of the dialog does,
// and prints the time and memory it took beyond the empty list; then times scrolling through it.
void FillAndScroll(const char* what, const std::string& start, const std::string& end) {
    const CWeatherSettings units = MetricUnits();
    CHistoryListCtrl list;
    list.resize(1030, 540);
    InsertRecordColumns(list, units);
    list.show();
    QApplication::processEvents();
    const double emptyResident = StatusMegabytes("VmRSS:");
    ResetPeakMemory();

    const double processor = ProcessorMilliseconds();
    const auto started = std::chrono::steady_clock::now();
    LoadRecordsInRange(list, start, end, units);
    list.ScrollToBottom();
    QApplication::processEvents();
    const double filled = Milliseconds(std::chrono::steady_clock::now() - started);
    const double filledProcessor = ProcessorMilliseconds() - processor;
    const double resident = StatusMegabytes("VmRSS:") - emptyResident;
    const double peak = StatusMegabytes("VmHWM:") - emptyResident;
    std::printf("  %-34s %8d rows %9.1f ms (%.1f ms processor), %.1f MB held, %.1f MB at the "
                "peak (rows packed: %.1f MB)\n",
                what, list.RowCount(), filled, filledProcessor, resident, peak,
                list.HeldBytes() / 1e6);

    // A page down and a repaint of the list, from the top to the bottom in 50 steps.
    QScrollBar* bar = list.verticalScrollBar();
    constexpr int kSteps = 50;
    const auto scrolling = std::chrono::steady_clock::now();
    for (int step = 0; step <= kSteps; ++step) {
        bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * step / kSteps));
        list.viewport()->grab();
    }
    std::printf("  %-34s %8s      %9.2f ms per scroll and repaint\n", "  scrolling it", "",
                Milliseconds(std::chrono::steady_clock::now() - scrolling) / (kSteps + 1));
}

} // namespace

int main(int argc, char** argv) {
    std::string dataPath;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            dataPath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--data FILE]\n", argv[0]);
            return 2;
        }
    }
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);

    std::string folder;
    if (dataPath.empty()) {
        folder = (std::filesystem::temp_directory_path() / "talvorin-bench-XXXXXX").string();
        if (!mkdtemp(folder.data()))
            return 1;
        dataPath = folder + "/Talvorin.dat";
        std::printf("Generating a million records ...\n");
        WriteSampleDataFile(dataPath, 1'000'000, TextToTime("2024-12-31 23:50:00"));
    }
    if (!g_fdb.Open(dataPath)) {
        std::fprintf(stderr, "%s: cannot open %s\n", argv[0], dataPath.c_str());
        return 1;
    }
    g_fdb.Close();

    CWeatherRecord newest;
    if (!LoadLastRecord(newest)) {
        std::fprintf(stderr, "%s: %s holds no record\n", argv[0], dataPath.c_str());
        return 1;
    }
    const std::string last = newest.recordTime;
    const std::string yearStart = FormatRecordTime(TextToTime(last) - 365 * 86400);
    std::printf("History list (data file %s, %.1f MB, last record %s):\n", dataPath.c_str(),
                std::filesystem::file_size(dataPath) / 1e6, last.c_str());
    ReadOnly("one year read, nothing kept", yearStart, last);
    FillAndScroll("one year into the list", yearStart, last);
    ReadOnly("every record read, nothing kept", "", last);
    FillAndScroll("every record into the list", "", last);

    if (!folder.empty())
        std::filesystem::remove_all(folder);
    return 0;
}

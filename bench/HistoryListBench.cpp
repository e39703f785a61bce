// Times the history dialog's list on a data file of a station's years: the rows the list keeps
// for the last year and for every record (time and peak memory, each figure in a child process
// of its own, beside a memchr scan of the file), then the list itself on the (offscreen) screen
// filled with each span and scrolled through.
//
//   history_list_bench --data FILE     (FILE written by sample_data FILE COUNT LAST)
#include "bench/BenchData.h"
#include "bench/BenchFigures.h"
#include "controls/HistoryListCtrl.h"
#include "station/records/HistoryList.h"
#include "station/records/RecordLayer.h"
#include "station/records/RowsOnlyList.h"
#include "station/values/TimeText.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QScrollBar>

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Resident memory of this process, in MB.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    }
    return 0;
}

std::string Rows(int rows, std::size_t bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "%d rows, %.1f MB packed", rows, bytes / 1e6);
    return text;
}

// The list shown on the screen, filled with the span as a search of the dialog fills it (after
// one unmeasured read of the span) and
// scrolled from the top to the bottom in 50 steps, each repainted; with the resident memory it
// holds then beyond the empty list.
void FillShownList(const char* what, const std::string& start, const std::string& end) {
    const CWeatherSettings units = MetricDisplayUnits();
    CHistoryListCtrl list;
    list.resize(1030, 540);
    InsertRecordColumns(list, units);
    list.show();
    QApplication::processEvents();
    // As for every other figure, what a first read builds (the data file's index) is there.
    VisitRecordsInRange(
        start, end, kListReadPartBytes, [](const std::vector<std::size_t>&) {},
        [](std::size_t, const RecordFieldViews&) {});
    const double emptyMb = ResidentMegabytes();

    const auto started = std::chrono::steady_clock::now();
    LoadRecordsInRange(list, start, end, units);
    list.ScrollToBottom();
    QApplication::processEvents();
    const double filled = Milliseconds(std::chrono::steady_clock::now() - started);
    const double heldMb = ResidentMegabytes() - emptyMb;

    QScrollBar* bar = list.verticalScrollBar();
    constexpr int kSteps = 50;
    const auto scrolling = std::chrono::steady_clock::now();
    for (int step = 0; step <= kSteps; ++step) {
        bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * step / kSteps));
        list.viewport()->grab();
    }
    std::printf("  %-46s %9.1f ms to fill and show %d rows, %.1f MB beyond the empty list, "
                "%.2f ms per scroll and repaint\n",
                what, filled, list.RowCount(), heldMb,
                Milliseconds(std::chrono::steady_clock::now() - scrolling) / (kSteps + 1));
}

} // namespace

int main(int argc, char** argv) {
    std::string data;
    const std::optional<CWeatherRecord> newest = OpenBenchData(argc, argv, data);
    if (!newest)
        return 2;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string last = newest->recordTime;
    const std::string yearStart = FormatRecordTime(TextToTime(last) - 365 * 86400);
    const double scanMs = MemchrScanMs(data);

    const CWeatherSettings units = MetricDisplayUnits();
    const auto fillRows = [&](const std::string& from) {
        RowsOnlyList list;
        LoadRecordsInRange(list, from, last, units);
        return Rows(list.RowCount(), list.HeldBytes());
    };
    // The list's reading of the span, in its parts, nothing kept.
    const auto readOnly = [&](const std::string& from) {
        std::atomic<int> records = 0;
        VisitRecordsInRange(
            from, last, kListReadPartBytes, [](const std::vector<std::size_t>&) {},
            [&](std::size_t, const RecordFieldViews&) { ++records; });
        return std::to_string(records) + " records";
    };
    PrintFigureHeading(("History list; year " + yearStart + " .. " + last).c_str());
    PrintFigure("the last year read, nothing kept",
                MeasureFigure(3, [&] { return readOnly(yearStart); }), scanMs);
    PrintFigure("the last year into the list's rows",
                MeasureFigure(3, [&] { return fillRows(yearStart); }), scanMs);
    PrintFigure("every record read, nothing kept", MeasureFigure(1, [&] { return readOnly(""); }),
                scanMs);
    PrintFigure("every record into the list's rows", MeasureFigure(1, [&] { return fillRows(""); }),
                scanMs);

    // The window last: the figures' children are forked from a process without one.
    QApplication application(argc, argv);
    std::printf("\nThe list on the screen (one run each):\n");
    FillShownList("the last year", yearStart, last);
    FillShownList("every record", "", last);
    return 0;
}

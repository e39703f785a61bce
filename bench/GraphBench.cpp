// Times the graph of a station's years: loading the records of a span as the graph keeps them,
// setting the chart up and drawing it, and the peak memory of each, on a data file of a
// million records:
//
//   graph_bench --data FILE
//
// scripts/bench.sh writes FILE and runs this. Each figure runs in a child process of its own,
// so that its peak resident memory is its own; the file is read once before, so the page cache
// holds it as it does for a program that has run for a while.
#include "controls/TChart1.h"
#include "controls/chart/ChartRenderer.h"
#include "dialogs/ChartSetup.h"
#include "station/GraphRecords.h"
#include "station/RecordLayer.h"
#include "station/TimeText.h"
#include "store/FDB.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figure {
    double ms = 0;
    double peakMb = 0;
    char result[96] = {};
};

// Runs `work` in a child process: its time (the best of `runs`) and its peak resident memory
// beyond what the child had before it began.
Figure Measure(int runs, const std::function<std::string()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        Figure figure;
        figure.ms = 1e300;
        for (int run = 0; run < runs; ++run) {
            const Clock::time_point start = Clock::now();
            const std::string result = work();
            figure.ms = std::min(figure.ms, MsSince(start));
            std::snprintf(figure.result, sizeof figure.result, "%s", result.c_str());
        }
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        figure.peakMb = (after.ru_maxrss - before.ru_maxrss) / 1024.0;
        const ssize_t written = write(pipeEnds[1], &figure, sizeof figure);
        _exit(written == sizeof figure ? 0 : 1);
    }
    close(pipeEnds[1]);
    Figure figure;
    const bool read = ::read(pipeEnds[0], &figure, sizeof figure) == sizeof figure;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    if (!read)
        std::snprintf(figure.result, sizeof figure.result, "failed");
    return figure;
}

// The chart of `quantity` over the records of the span, in metric units.
void SetUp(CTChart1& chart, int quantity, const char* name, const CGraphRecordArray& records,
           const std::string& start, const std::string& end) {
    ChartRequest request;
    request.quantity = quantity;
    request.quantityName = name;
    request.startText = start;
    request.endText = end;
    SetUpChart(chart.Dispatch(), request, records, CWeatherSettings());
}

// Loads the span, sets the chart up for the outdoor temperature and dew point and draws it
// once at the size of a maximised graph dialog: what a search in the graph dialog does. The
// result tells the time of each step.
std::string LoadAndDraw(const std::string& start, const std::string& end) {
    const Clock::time_point begin = Clock::now();
    CGraphRecordArray records;
    LoadGraphRecords(records, start, end);
    const double loadMs = MsSince(begin);
    CTChart1 chart;
    SetUp(chart, kQuantityOutdoorTemperature, "Outdoor Temperature", records, start, end);
    const double setUpMs = MsSince(begin) - loadMs;
    const QImage picture = chart.Picture(1600, 900);
    const double drawMs = MsSince(begin) - loadMs - setUpMs;
    char text[96];
    std::snprintf(text, sizeof text, "%zu records: load %.0f, set up %.0f, draw %.0f ms",
                  records.size(), loadMs, setUpMs, drawMs);
    return text;
}

// The chart of the span drawn again `draws` times, as resizing or scrolling does.
std::string Redraw(const std::string& start, const std::string& end, int draws, double& ms) {
    CGraphRecordArray records;
    LoadGraphRecords(records, start, end);
    CTChart1 chart;
    SetUp(chart, kQuantityPressure, "Pressure", records, start, end);
    QImage picture(1600, 900, QImage::Format_RGB32);
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < draws; ++i) {
        QPainter painter(&picture);
        PaintChart(painter, QRect(0, 0, 1600 - i % 7, 900), chart.Model());
    }
    ms = MsSince(begin) / draws;
    return std::to_string(records.size()) + " records";
}

std::string WholeRecords(const std::string& start, const std::string& end) {
    CWeatherRecordArray records;
    LoadRecordsForGraph(records, start, end);
    return std::to_string(records.size()) + " whole records";
}

void Print(const char* what, const Figure& figure) {
    std::printf("%-44s %9.1f ms %9.1f MB   %s\n", what, figure.ms, figure.peakMb, figure.result);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "--data") != 0) {
        std::fprintf(stderr, "usage: %s --data FILE\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (!g_fdb.Open(argv[2])) {
        std::fprintf(stderr, "%s: cannot open %s\n", argv[0], argv[2]);
        return 1;
    }
    g_fdb.Close();
    CWeatherRecord last;
    if (!LoadLastRecord(last) || last.recordTime.size() < 19) {
        std::fprintf(stderr, "%s: %s holds no record\n", argv[0], argv[2]);
        return 1;
    }
    const std::string end = last.recordTime;
    constexpr time_t kYear = 365 * 86400;
    const std::string yearStart = FormatRecordTime(TextToTime(end) - kYear);
    const std::string allStart = "2000-01-01 00:00:00";
    WholeRecords(end, end); // the file into the page cache

    std::printf("Graph of %s, last record %s\n", argv[2], end.c_str());
    std::printf("%-44s %12s %12s\n", "", "time", "peak memory");
    Print("a year: load, set up, draw (limit 300 ms)",
          Measure(3, [&] { return LoadAndDraw(yearStart, end); }));
    Print("all years: load, set up, draw (limit 2 s)",
          Measure(1, [&] { return LoadAndDraw(allStart, end); }));
    double redrawMs = 0;
    const Figure redraw = Measure(1, [&] {
        const std::string result = Redraw(allStart, end, 20, redrawMs);
        char text[96];
        std::snprintf(text, sizeof text, "%s, %.1f ms a drawing", result.c_str(), redrawMs);
        return std::string(text);
    });
    Print("all years: drawn again 20 times", redraw);
    Print("a year of whole records (the old road)",
          Measure(1, [&] { return WholeRecords(yearStart, end); }));
    return 0;
}

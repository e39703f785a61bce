// Times the graph of a station's years: loading the records of a span as the graph keeps them,
// setting the chart up and drawing it, with the peak memory of each, on a data file of a
// million records:
//
//   graph_bench --data FILE
//
// scripts/bench.sh writes FILE (the last record at 2024-12-31 23:50:00) and runs this.
#include "bench/BenchData.h"
#include "bench/BenchFigures.h"
#include "controls/TChart1.h"
#include "controls/chart/ChartRenderer.h"
#include "dialogs/core/ChartSetup.h"
#include "station/records/GraphRecords.h"
#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"

#include <chrono>
#include <cstdio>
#include <string>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The size of a maximised graph dialog's chart.
constexpr int kWidth = 1600, kHeight = 900;

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

// What a search of the graph dialog does: load the span, set the chart up for the outdoor
// temperature and dew point, and draw it. The result tells the time of each step.
std::string LoadAndDraw(const std::string& start, const std::string& end) {
    const Clock::time_point begin = Clock::now();
    CGraphRecordArray records;
    LoadGraphRecords(records, start, end);
    const double loadMs = MsSince(begin);
    CTChart1 chart;
    SetUp(chart, kQuantityOutdoorTemperature, "Outdoor Temperature", records, start, end);
    const double setUpMs = MsSince(begin) - loadMs;
    const QImage picture = chart.Picture(kWidth, kHeight);
    const double drawMs = MsSince(begin) - loadMs - setUpMs;
    char text[128];
    std::snprintf(text, sizeof text, "%zu records: load %.0f, set up %.0f, draw %.0f ms",
                  records.size(), loadMs, setUpMs, drawMs);
    return text;
}

// The chart of the span drawn again and again, as resizing or scrolling does.
std::string Redraw(const std::string& start, const std::string& end) {
    constexpr int kDraws = 20;
    CGraphRecordArray records;
    LoadGraphRecords(records, start, end);
    CTChart1 chart;
    SetUp(chart, kQuantityPressure, "Pressure", records, start, end);
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < kDraws; ++i) {
        QPainter painter(&picture);
        PaintChart(painter, QRect(0, 0, kWidth - i % 7, kHeight), chart.Model());
    }
    char text[96];
    std::snprintf(text, sizeof text, "%zu records, %.1f ms a drawing", records.size(),
                  MsSince(begin) / kDraws);
    return text;
}

std::string WholeRecords(const std::string& start, const std::string& end) {
    CWeatherRecordArray records;
    LoadRecordsForGraph(records, start, end);
    return std::to_string(records.size()) + " whole records";
}

} // namespace

int main(int argc, char** argv) {
    std::string data;
    const std::optional<CWeatherRecord> last = OpenBenchData(argc, argv, data);
    if (!last)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string end = last->recordTime;
    const std::string yearStart = FormatRecordTime(TextToTime(end) - 365 * 86400);
    const std::string allStart = "2000-01-01 00:00:00";
    const double scanMs = MemchrScanMs(data);

    PrintFigureHeading("Graph (limits: a year 300 ms, all years 2 s and 200 MB)");
    PrintFigure("a year: load, set up, draw",
                MeasureFigure(3, [&] { return LoadAndDraw(yearStart, end); }), scanMs);
    PrintFigure("all years: load, set up, draw",
                MeasureFigure(1, [&] { return LoadAndDraw(allStart, end); }), scanMs);
    PrintFigure("all years: drawn again", MeasureFigure(1, [&] { return Redraw(allStart, end); }),
                scanMs);
    PrintFigure("a year of whole records (the old way)",
                MeasureFigure(1, [&] { return WholeRecords(yearStart, end); }), scanMs);
    return 0;
}

#include "controls/TChart1.h"
#include "controls/chart/ChartDateFormat.h"
#include "controls/chart/ChartDecimation.h"
#include "controls/chart/ChartRenderer.h"
#include "controls/chart/ChartScale.h"
#include "platform/ocx/ChartMembers.h"
#include "platform/qt/PrintDialog.h"
#include "tests/core/FileTestSupport.h"

#include <cmath>

#include <gtest/gtest.h>

#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <QTest>

using namespace ChartMember;

namespace {

// A chart of one line series over one day, with the limits set as the graph dialog sets them.
class ChartFixture : public testing::Test {
protected:
    ChartFixture() {
        m_chart.resize(800, 500);
        const DispatchPath root(&m_chart.Dispatch());
        (root / kHeader / kLines).Call(kAddLine, {DispValue::Variant(DispValue::Text("Weather"))});
        (root / kAxes / kBottomAxis).Call(kSetMinMax, {DispValue::R8(45000), DispValue::R8(45001)});
        (root / kAxes / kBottomAxis / kLabels)
            .Put(kDateTimeFormat, DispValue::Text("dd-mm-yyyy hh:nn:ss"));
        (root / kAxes / kLeftAxis).Call(kSetMinMax, {DispValue::R8(0), DispValue::R8(100)});
        root.Call(kAddSeries, {DispValue::I4(kLineSeries)});
        m_series = DispatchPath(root.Call(kSeries, {DispValue::I4(0)}).object);
        (m_series / kXValues).Put(kXDateTime, DispValue::Bool(true));
        for (int i = 0; i <= 24; ++i)
            m_series.Call(kAddXY, {DispValue::R8(45000 + i / 24.0), DispValue::R8(50 + i),
                                   DispValue::Text(""), DispValue::I4(0xFF)});
        m_chart.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_chart));
        m_chart.repaint();
    }

    // Drags with the right button from the plot's centre by `delta`.
    void Scroll(QPoint delta) {
        const QPoint from = m_chart.PlotRect().center();
        QTest::mousePress(&m_chart, Qt::RightButton, {}, from);
        QTest::mouseMove(&m_chart, from + delta / 2);
        QTest::mouseRelease(&m_chart, Qt::RightButton, {}, from + delta);
    }

    CTChart1 m_chart;
    DispatchPath m_series{nullptr};
};

bool Reddish(QColor colour) {
    return colour.red() > 200 && colour.green() < 120 && colour.blue() < 120;
}

int RedPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += Reddish(image.pixelColor(x, y));
    return count;
}

} // namespace

TEST_F(ChartFixture, TheObjectModelSetsWhatTheChartShows) {
    const ChartModel& model = m_chart.Model();
    EXPECT_EQ(model.header.lines, std::vector<std::string>{"Weather"});
    EXPECT_EQ(model.bottom.setMin, 45000);
    EXPECT_TRUE(model.left.limitsSet);
    ASSERT_EQ(model.series.size(), 1u);
    EXPECT_EQ(model.series[0].xs.size(), 25u);
    EXPECT_TRUE(model.series[0].sortedByX);

    const DispatchPath root(&m_chart.Dispatch());
    EXPECT_TRUE(m_series.Put(kColour, DispValue::I4(0x00FF00)));
    EXPECT_TRUE(m_series.Put(kTitleText, DispValue::Text("Dewpoint")));
    EXPECT_TRUE((m_series / kLinePart / kLinePen).Put(kPenWidth, DispValue::I4(2)));
    EXPECT_TRUE((root / kAxes / kLeftAxis).Put(kLogarithmic, DispValue::Bool(true)));
    EXPECT_TRUE((root / kLegend).Put(kLegendVisible, DispValue::Bool(false)));
    EXPECT_TRUE((root / kPanel).Put(kPanelColour, DispValue::I4(0xF0F0F0)));
    EXPECT_EQ(model.series[0].colour, 0x00FF00u);
    EXPECT_EQ(model.series[0].title, "Dewpoint");
    EXPECT_EQ(model.series[0].penWidth, 2);
    EXPECT_TRUE(model.left.logarithmic);
    EXPECT_FALSE(model.legend.visible);

    // Unknown members and wrong arguments are refused, never guessed.
    EXPECT_FALSE(root.Put(999, DispValue::I4(1)));
    EXPECT_FALSE(root.Call(kSeries, {DispValue::I4(5)}).known);
    EXPECT_FALSE(m_series.Call(kAddXY, {DispValue::R8(1)}).known);
    EXPECT_EQ((root / 999).Object(), nullptr);

    m_series.Call(kAddXY,
                  {DispValue::R8(44999), DispValue::R8(1), DispValue::Text(""), DispValue::I4(0)});
    EXPECT_FALSE(model.series[0].sortedByX);
    root.Call(kClearChart);
    EXPECT_TRUE(model.series.empty());
    EXPECT_FALSE(model.left.limitsSet);
}

TEST_F(ChartFixture, DraggingWithTheRightButtonAsksBeforeEachAxisMoves) {
    struct Request {
        int axis;
        double lower, upper;
    };
    std::vector<Request> requests;
    m_chart.SetScrollRequestHandler([&](int axis, double& lower, double& upper, bool& allow) {
        requests.push_back({axis, lower, upper});
        allow = axis != kEventLeftAxis; // the value axis stays
    });
    Scroll(QPoint(-80, 60));
    ASSERT_FALSE(requests.empty());
    bool askedLeft = false, askedBottom = false;
    for (const Request& r : requests) {
        askedLeft |= r.axis == kEventLeftAxis && r.upper > 100;
        askedBottom |= r.axis == kEventBottomAxis && r.lower > 45000;
    }
    EXPECT_TRUE(askedLeft) << "dragging down shows higher values";
    EXPECT_TRUE(askedBottom) << "dragging left shows later times";
    const ChartModel& model = m_chart.Model();
    EXPECT_FALSE(model.left.userView);
    EXPECT_TRUE(model.bottom.userView);
    EXPECT_GT(model.bottom.min, 45000);
    EXPECT_NEAR(model.bottom.max - model.bottom.min, 1, 1e-9);

    // The handler may also move the limits it allows.
    m_chart.SetScrollRequestHandler([](int, double& lower, double& upper, bool&) {
        lower = 10;
        upper = 20;
    });
    Scroll(QPoint(0, 30));
    EXPECT_EQ(model.left.min, 10);
    EXPECT_EQ(model.left.max, 20);
}

TEST_F(ChartFixture, ARectangleZoomsInAndADragToTheLeftGoesBack) {
    const QRect plot = m_chart.PlotRect();
    const QPoint from = plot.topLeft() + QPoint(plot.width() / 4, plot.height() / 4);
    const QPoint to = plot.center();
    QTest::mousePress(&m_chart, Qt::LeftButton, {}, from);
    QTest::mouseMove(&m_chart, to);
    QTest::mouseRelease(&m_chart, Qt::LeftButton, {}, to);
    const ChartModel& model = m_chart.Model();
    EXPECT_NEAR(model.bottom.min, 45000.25, 0.01);
    EXPECT_NEAR(model.bottom.max, 45000.5, 0.01);
    EXPECT_NEAR(model.left.min, 50, 1);
    EXPECT_NEAR(model.left.max, 75, 1);

    QTest::mousePress(&m_chart, Qt::LeftButton, {}, to);
    QTest::mouseRelease(&m_chart, Qt::LeftButton, {}, from);
    EXPECT_FALSE(model.bottom.userView);
    EXPECT_FALSE(model.left.userView);
}

TEST_F(ChartFixture, TheJpegHasTheAskedSizeAndAFailedWriteSaysSo) {
    TempFolder folder;
    const std::string path = folder.Path("chart.jpg");
    const DispatchPath exporter = DispatchPath(&m_chart.Dispatch()) / kExport;
    const DispResult saved =
        exporter.Call(kSaveJpeg, {DispValue::Text(path), DispValue::Bool(false), DispValue::I4(0),
                                  DispValue::I4(100), DispValue::I4(1024), DispValue::I4(768)});
    EXPECT_TRUE(saved.value.Truth());
    QImageReader reader(QString::fromStdString(path));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(1024, 768));

    EXPECT_FALSE(m_chart.SaveJpeg(folder.Path("missing/chart.jpg"), false, 100, 1024, 768));
    EXPECT_FALSE(m_chart.SaveJpeg(path, false, 100, 0, 768));
}

TEST_F(ChartFixture, PrintingPutsTheChartOnAPageAndTellsFailureFromCancel) {
    TempFolder folder;
    const std::string pdf = folder.Path("chart.pdf");
    SetPrintDialogHook([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    const DispResult printed = (DispatchPath(&m_chart.Dispatch()) / kPrinter).Call(kPrint);
    EXPECT_EQ(printed.value.Integer(), 1);
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    EXPECT_GT(ReadBytes(pdf).size(), 2000u);

    SetPrintDialogHook([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(folder.Path("missing/chart.pdf")));
        return true;
    });
    EXPECT_EQ(m_chart.Print(), -1);
    SetPrintDialogHook([](QPrinter&) { return false; });
    EXPECT_EQ(m_chart.Print(), 0);
    SetPrintDialogHook({});
}

TEST_F(ChartFixture, ALogarithmicAxisFromZeroDrawsItsNightsOnTheBottomEdge) {
    const DispatchPath root(&m_chart.Dispatch());
    (root / kAxes / kLeftAxis).Call(kSetMinMax, {DispValue::R8(0), DispValue::R8(300000)});
    (root / kAxes / kLeftAxis).Put(kLogarithmic, DispValue::Bool(true));
    (root / kAxes / kLeftAxis).Put(kLogBase, DispValue::R8(10));
    m_series.Call(
        kAddXY, {DispValue::R8(45001), DispValue::R8(0), DispValue::Text(""), DispValue::I4(0xFF)});
    QImage picture(800, 500, QImage::Format_RGB32);
    QPainter painter(&picture);
    const QRect plot = PaintChart(painter, picture.rect(), m_chart.Model());
    painter.end();
    EXPECT_GT(RedPixels(picture, plot), 300);
    // The last point, 0 lux, lies on the bottom edge at the right.
    EXPECT_GT(RedPixels(picture, QRect(plot.right() - 3, plot.bottom() - 3, 4, 4)), 0);

    ChartAxis axis = m_chart.Model().left;
    axis.min = axis.setMin;
    axis.max = axis.setMax;
    const AxisScale scale(axis, 400, 0);
    EXPECT_DOUBLE_EQ(scale.Lower(), 1);
    EXPECT_DOUBLE_EQ(scale.ToPixel(0), 400);
    EXPECT_DOUBLE_EQ(scale.ToPixel(-5), 400);
    EXPECT_NEAR(scale.ToPixel(1000), 400 - 400 * 3 / std::log10(300000.0), 1e-9);
    EXPECT_EQ(LogTicks(scale.Lower(), scale.Upper(), 10, 10),
              (std::vector<double>{1, 10, 100, 1000, 10000, 100000}));
}

TEST(ChartDecimationTest, EachPixelColumnKeepsItsFirstLowestHighestAndLastPoint) {
    std::vector<double> xs, ys;
    for (int i = 0; i < 1000; ++i) {
        xs.push_back(i);
        ys.push_back(i % 100 == 37 ? 500 : i % 100 == 61 ? -500 : std::sin(i));
    }
    ys[999] = NAN;
    // Ten columns of a hundred points each.
    const std::vector<std::size_t> chosen = ColumnPoints(xs, ys, 0, xs.size(), 0, 0.01);
    EXPECT_LE(chosen.size(), 40u);
    for (int column = 0; column < 10; ++column) {
        for (std::size_t kept : {column * 100u, column * 100u + 37, column * 100u + 61})
            EXPECT_NE(std::find(chosen.begin(), chosen.end(), kept), chosen.end()) << kept;
    }
    EXPECT_TRUE(std::is_sorted(chosen.begin(), chosen.end()));
    EXPECT_EQ(std::find(chosen.begin(), chosen.end(), 999u), chosen.end());
    EXPECT_NE(std::find(chosen.begin(), chosen.end(), 998u), chosen.end());

    const auto [first, last] = VisibleRange(xs, 100.5, 200);
    EXPECT_EQ(first, 100u);
    EXPECT_EQ(last, 202u);
}

TEST(ChartDateTest, LabelsFollowTheFormOfLetters) {
    const double date = 45418.5 + 61 / 86400.0; // 2024-05-06 12:01:01
    EXPECT_EQ(FormatOleDate(date, "dd-mm-yyyy hh:nn:ss"), "06-05-2024 12:01:01");
    EXPECT_EQ(FormatOleDate(date, "d.m.yy h:n"), "6.5.24 12:1");
    EXPECT_EQ(FormatOleDate(2, "yyyy-mm-dd"), "1900-01-01");

    const std::vector<double> hours = TimeTicks(45418.0, 45419.0, 8);
    ASSERT_FALSE(hours.empty());
    EXPECT_EQ(FormatOleDate(hours[1], "hh:nn:ss"), "03:00:00");
    const std::vector<double> years =
        TimeTicks(JoinOleDate(2015, 3, 1), JoinOleDate(2024, 12, 31), 6);
    ASSERT_FALSE(years.empty());
    for (double tick : years)
        EXPECT_EQ(FormatOleDate(tick, "mm-dd"), "01-01");
}

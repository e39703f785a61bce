#include "app/MainFrm.h"
#include "bench/WeatherGenerator.h"
#include "controls/TChart1.h"
#include "controls/chart/ChartRenderer.h"
#include "dialogs/GraphDlg_Tee8.h"
#include "dialogs/core/ChartSetup.h"
#include "dialogs/core/RangePreset.h"
#include "platform/ComRegistry.h"
#include "platform/ocx/ChartControl.h"
#include "platform/ocx/ChartMembers.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/PrintDialog.h"
#include "resources/ResourceIds.h"
#include "station/values/Clock.h"
#include "station/values/TimeText.h"
#include "store/FDB.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FileTestSupport.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/ScopedValue.h"
#include "tests/gui/FakeMainView.h"
#include "tests/gui/FreshHome.h"
#include "texts/Env.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QImageReader>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

time_t FixedNow() {
    return TextToTime("2024-05-08 12:30:00");
}

// A graph dialog over a data file of a week of generated records ending now, with the chart
// control registered, the console not connected and every message box answered and noted.
class GraphDlgTest : public testing::Test {
protected:
    GraphDlgTest() {
        setenv("TALVORIN_REGISTRY", m_folder.Path("registry.ini").c_str(), 1);
        EXPECT_TRUE(RegisterProgId(kChartControlProgId, kChartControlClassId));
        m_previousClock = SetClock(FixedNow);
        g_fdb.Close();
        g_fdb.m_busy = false;
        EXPECT_TRUE(WriteSampleDataFile(DataPath(), 7 * 288, FixedNow()));
        EXPECT_TRUE(g_fdb.Open(DataPath()));
        g_fdb.Close();
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            m_messages.push_back(request);
            return kIdOk;
        });
    }
    ~GraphDlgTest() override {
        SetMessageBoxHook({});
        SetSaveFileHook({});
        SetPrintDialogHook({});
        SetClock(m_previousClock);
        g_fdb.Close();
        unsetenv("TALVORIN_REGISTRY");
    }

    std::string DataPath() const { return m_folder.Path("Talvorin.dat"); }

    // A dialog set up as for a modal run, shown.
    std::unique_ptr<CGraphDlg> Open(QWidget* parent = nullptr) {
        auto dialog = std::make_unique<CGraphDlg>(parent);
        EXPECT_TRUE(dialog->Create());
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    // Picks an item of a drop-down as the user does.
    static void Choose(CGraphDlg& dialog, int id, int index) {
        QComboBox* combo = dialog.Combo(id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    static std::vector<std::string> Items(CGraphDlg& dialog, int id) {
        std::vector<std::string> items;
        for (int i = 0; i < dialog.Combo(id)->count(); ++i)
            items.push_back(dialog.Combo(id)->itemText(i).toStdString());
        return items;
    }

    static bool PickersEnabled(CGraphDlg& dialog) {
        bool all = true;
        for (int id :
             {IDC_GRAPH_START_DATE, IDC_GRAPH_START_TIME, IDC_GRAPH_END_DATE, IDC_GRAPH_END_TIME})
            all = all && dialog.GetDlgItem(id)->isEnabled();
        return all;
    }

    const ChartModel& Chart(CGraphDlg& dialog) { return dialog.m_chart->Model(); }

    ScopedTimeZone m_zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    ScopedValue<int> m_lang{g_lang, 0};
    TempFolder m_folder;
    ClockFunction m_previousClock = nullptr;
    std::vector<MessageBoxRequest> m_messages;
};

const std::vector<std::string> kEnglishRanges = {"an hour", "24 hours", "a week", "a month",
                                                 "user defined"};

} // namespace

TEST_F(GraphDlgTest, OpensOnHumidityOverTheCurrentHour) {
    auto dialog = Open();
    EXPECT_EQ(dialog->GetCurSel(IDC_GRAPH_SERIES), 0);
    EXPECT_EQ(dialog->GetCurSel(IDC_GRAPH_RANGE), kRangeHour);
    EXPECT_EQ(dialog->m_startText, "2024-05-08 12:00:00");
    EXPECT_EQ(dialog->m_endText, "2024-05-08 12:30:00");
    EXPECT_EQ(dialog->m_records.size(), 7u); // 12:00 to 12:30, five minutes apart
    const ChartModel& chart = Chart(*dialog);
    EXPECT_EQ(chart.header.lines, std::vector<std::string>{"Weather--Humidity"});
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].xs.size(), 7u);
    EXPECT_EQ(dialog->m_valueMax, 100);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_FALSE(dialog->GetDlgItem(IDC_GRAPH_PRINT)->isVisible());
    EXPECT_FALSE(dialog->GetDlgItem(IDC_GRAPH_TYPE)->isVisible());
    EXPECT_EQ(Items(*dialog, IDC_GRAPH_TYPE), std::vector<std::string>{"Line"});
}

// Garbage in place of the line of 12:10 and the line of 12:15 cut short after its times: the
// chart has no point for the garbage, and none for what the cut line lacks.
TEST_F(GraphDlgTest, ADamagedLineIsLeftOutAndACutLineDrawsOnlyWhatItHolds) {
    const std::size_t lines = 7 * 288;
    WriteBytes(DataPath(), WithDamagedLines(ReadBytes(DataPath()), lines - 4, lines - 3));
    auto dialog = Open();

    ASSERT_EQ(dialog->m_records.size(), 6u); // 12:00 to 12:30 but 12:10
    const CGraphRecord& cut = dialog->m_records[2];
    EXPECT_DOUBLE_EQ(cut.time, TextToOleDateTime("2024-05-08 12:15:00"));
    EXPECT_FALSE(cut.Has(kGraphIndoorHumidity));
    EXPECT_FALSE(cut.Has(kGraphOutdoorHumidity));
    const ChartModel& chart = Chart(*dialog);
    ASSERT_EQ(chart.series.size(), 2u);
    std::vector<double> times;
    for (const char* time : {"12:00", "12:05", "12:20", "12:25", "12:30"})
        times.push_back(TextToOleDateTime(std::string("2024-05-08 ") + time + ":00"));
    for (const auto& series : chart.series) {
        ASSERT_EQ(series.xs.size(), times.size());
        for (std::size_t i = 0; i < times.size(); ++i)
            EXPECT_NEAR(series.xs[i], times[i], 1e-9) << i;
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(GraphDlgTest, TheRangeItemsAreEnglishInEveryLanguage) {
    const std::vector<std::vector<std::string>> quantities = {
        {"Humidity", "Indoor Temperature"},
        {"Luftfeuchtigkeit", "Innen Temperatur"},
        {"Fugtighed", "Indendørs Temperatur"}};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        auto dialog = Open();
        EXPECT_EQ(Items(*dialog, IDC_GRAPH_RANGE), kEnglishRanges) << lang;
        EXPECT_EQ(Items(*dialog, IDC_GRAPH_SERIES).size(), 9u);
        EXPECT_EQ(Items(*dialog, IDC_GRAPH_SERIES)[1], quantities[lang][1]);
        EXPECT_EQ(Chart(*dialog).left.title.substr(0, quantities[lang][0].size()),
                  quantities[lang][0]);
    }
}

TEST_F(GraphDlgTest, UserDefinedLeavesThePickersAndAPresetSetsThem) {
    auto dialog = Open();
    Choose(*dialog, IDC_GRAPH_RANGE, kRangeWeek);
    EXPECT_EQ(FormatRecordTime(dialog->GetPickerTime(IDC_GRAPH_START_DATE)).substr(0, 10),
              "2024-05-05");
    const time_t start = dialog->GetPickerTime(IDC_GRAPH_START_TIME);
    Choose(*dialog, IDC_GRAPH_RANGE, kRangeUserDefined);
    EXPECT_EQ(dialog->GetPickerTime(IDC_GRAPH_START_TIME), start);
    EXPECT_EQ(FormatRecordTime(dialog->GetPickerTime(IDC_GRAPH_START_DATE)).substr(0, 10),
              "2024-05-05");
}

TEST_F(GraphDlgTest, RainKeepsToThePresetsAndAnotherQuantityBringsUserDefinedBack) {
    auto dialog = Open();
    Choose(*dialog, IDC_GRAPH_RANGE, kRangeUserDefined);
    dialog->SetPickerTime(IDC_GRAPH_START_DATE, TextToTime("2024-05-02 00:00:00"));
    Choose(*dialog, IDC_GRAPH_SERIES, kQuantityRain);
    EXPECT_EQ(dialog->GetCurSel(IDC_GRAPH_RANGE), kRangeHour);
    EXPECT_EQ(dialog->m_startText, "2024-05-08 12:00:00") << "searched again over the hour";
    EXPECT_EQ(Items(*dialog, IDC_GRAPH_RANGE),
              std::vector<std::string>(kEnglishRanges.begin(), kEnglishRanges.end() - 1));
    EXPECT_FALSE(PickersEnabled(*dialog));
    ASSERT_EQ(Chart(*dialog).series.size(), 1u);
    EXPECT_EQ(Chart(*dialog).series[0].kind, ChartMember::kBarSeries);
    EXPECT_EQ(Chart(*dialog).series[0].title, "Total Rain");

    Choose(*dialog, IDC_GRAPH_SERIES, kQuantityPressure);
    EXPECT_EQ(Items(*dialog, IDC_GRAPH_RANGE), kEnglishRanges);
    EXPECT_TRUE(PickersEnabled(*dialog));
    EXPECT_EQ(Chart(*dialog).series.size(), 2u);
    EXPECT_EQ(dialog->m_valueMax, 1100);
}

TEST_F(GraphDlgTest, AnotherQuantityRedrawsTheLoadedRecordsWithoutReadingTheFileAgain) {
    auto dialog = Open();
    const std::size_t loaded = dialog->m_records.size();
    WriteBytes(DataPath(), "");
    Choose(*dialog, IDC_GRAPH_SERIES, kQuantityOutdoorTemperature);
    EXPECT_EQ(dialog->m_records.size(), loaded);
    EXPECT_EQ(Chart(*dialog).series[0].xs.size(), loaded);
    EXPECT_EQ(Chart(*dialog).header.lines[0], "Weather--Outdoor Temperature");
}

TEST_F(GraphDlgTest, AStartAfterTheEndIsRefusedAndTheChartStays) {
    auto dialog = Open();
    const std::size_t points = Chart(*dialog).series[0].xs.size();
    dialog->SetPickerTime(IDC_GRAPH_START_DATE, TextToTime("2024-05-09 00:00:00"));
    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_SEARCH), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "End time earlier than start time!");
    EXPECT_EQ(Chart(*dialog).series[0].xs.size(), points);
}

TEST_F(GraphDlgTest, ScrollingRefusesValuesBeyondTheLimitsAndLetsTimeMove) {
    auto dialog = Open();
    Choose(*dialog, IDC_GRAPH_SERIES, kQuantityOutdoorTemperature);
    dialog->resize(1000, 700);
    QTest::qWait(50);
    dialog->m_chart->repaint();
    const QRect plot = dialog->m_chart->PlotRect();
    const ChartModel& chart = Chart(*dialog);
    const double timeBefore = ShownAxis(chart, true).min;

    // Dragging down would show values above 60 °C: refused.
    QTest::mousePress(dialog->m_chart, Qt::RightButton, {}, plot.center());
    QTest::mouseMove(dialog->m_chart, plot.center() + QPoint(0, 40));
    QTest::mouseRelease(dialog->m_chart, Qt::RightButton, {}, plot.center() + QPoint(0, 40));
    EXPECT_EQ(ShownAxis(chart, false).max, 60);
    EXPECT_EQ(ShownAxis(chart, false).min, -40);

    // Dragging to the left shows later times: allowed.
    QTest::mousePress(dialog->m_chart, Qt::RightButton, {}, plot.center());
    QTest::mouseMove(dialog->m_chart, plot.center() + QPoint(-60, 0));
    QTest::mouseRelease(dialog->m_chart, Qt::RightButton, {}, plot.center() + QPoint(-60, 0));
    EXPECT_GT(ShownAxis(chart, true).min, timeBefore);

    bool allow = false;
    double lower = -40, upper = 60;
    dialog->OnChartScrollRequest(ChartMember::kEventLeftAxis, lower, upper, allow);
    EXPECT_TRUE(allow) << "the limits themselves may be shown";
    lower = -40.5;
    dialog->OnChartScrollRequest(ChartMember::kEventLeftAxis, lower, upper, allow);
    EXPECT_FALSE(allow);
    dialog->OnChartScrollRequest(ChartMember::kEventBottomAxis, lower, upper, allow);
    EXPECT_TRUE(allow);
}

TEST_F(GraphDlgTest, TheJpegIsWrittenAtAPathOf220CharactersAndRefusedAt221) {
    auto dialog = Open();
    const std::string folder = m_folder.Path("");
    const auto pathOf = [&](std::size_t length) {
        return folder + std::string(length - folder.size() - 4, 'p') + ".jpg";
    };
    SaveFileRequest asked;
    std::string answer = pathOf(220);
    SetSaveFileHook([&](const SaveFileRequest& request, const std::string&, std::string& path) {
        asked = request;
        path = answer;
        return true;
    });
    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_EXPORT), Qt::LeftButton);
    EXPECT_EQ(asked.initialName, "Talvorin.jpg");
    EXPECT_EQ(asked.defaultExtension, "jpg");
    EXPECT_EQ(asked.filter, "JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||");
    EXPECT_TRUE(m_messages.empty());
    QImageReader reader(QString::fromStdString(answer));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(1024, 768));

    answer = pathOf(221);
    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_EXPORT), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Filename is too long!");
    EXPECT_EQ(m_messages[0].caption, "Operation Notify");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(answer)));

    answer = folder + "missing/Talvorin.jpg";
    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_EXPORT), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[1].text, "The picture could not be saved.");

    SetSaveFileHook([](const SaveFileRequest&, const std::string&, std::string&) { return false; });
    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_EXPORT), Qt::LeftButton);
    EXPECT_EQ(m_messages.size(), 2u);
}

// A new user's first picture is offered in the documents folder; the next one starts where the
// last one was saved, while the save dialog of a CSV export still starts in the documents folder.
TEST_F(GraphDlgTest, TheNextPictureIsOfferedWhereTheLastOneWasSaved) {
    const FreshHome home;
    const std::string documents = home.NameDocumentsFolder("Dokumente");
    auto dialog = Open();
    std::filesystem::create_directory(m_folder.Path("charts"));
    std::vector<std::string> started;
    SetSaveFileHook([&](const SaveFileRequest&, const std::string& folder, std::string& path) {
        started.push_back(folder);
        path = m_folder.Path("charts/" + std::to_string(started.size()) + ".jpg");
        return true;
    });

    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_EXPORT), Qt::LeftButton);
    QTest::mouseClick(dialog->GetDlgItem(IDC_GRAPH_EXPORT), Qt::LeftButton);

    EXPECT_EQ(started, (std::vector<std::string>{documents, m_folder.Path("charts")}));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(m_folder.Path("charts/2.jpg"))));
    const SaveFileRequest csv{"CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||", "csv",
                              "Talvorin.csv"};
    EXPECT_EQ(MakeSaveFileDialog(nullptr, csv)->directory().absolutePath().toStdString(),
              documents);
}

TEST_F(GraphDlgTest, PrintingWritesTheChartToAPdfAndAFailureSaysSo) {
    auto dialog = Open();
    std::string pdf = m_folder.Path("graph.pdf");
    SetPrintDialogHook([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QTest::keySequence(dialog.get(), QKeySequence::Print); // the hidden button's command
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    EXPECT_TRUE(m_messages.empty());

    pdf = m_folder.Path("missing/graph.pdf");
    dialog->OnPrint();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "The chart could not be printed.");
}

TEST_F(GraphDlgTest, ResizingGrowsTheChartAndMovesTheBottomRowDown) {
    auto dialog = Open();
    dialog->resize(900, 600);
    QTest::qWait(20);
    QWidget* chart = dialog->GetDlgItem(IDC_GRAPH_CHART);
    QWidget* refresh = dialog->GetDlgItem(IDC_GRAPH_REFRESH);
    QWidget* range = dialog->GetDlgItem(IDC_GRAPH_RANGE);
    const QRect chartBefore = chart->geometry();
    const QPoint refreshBefore = refresh->pos();
    const QPoint rangeBefore = range->pos();

    dialog->resize(1000, 700);
    QTest::qWait(20);
    EXPECT_EQ(chart->geometry(), chartBefore.adjusted(0, 0, 100, 100));
    EXPECT_EQ(refresh->pos(), refreshBefore + QPoint(0, 100));
    EXPECT_EQ(range->pos(), rangeBefore);

    dialog->setMinimumSize(0, 0);
    dialog->resize(150, 700);
    QTest::qWait(20);
    EXPECT_EQ(chart->geometry(), chartBefore.adjusted(0, 0, 100, 100)) << "below 200 nothing moves";
}

TEST_F(GraphDlgTest, WithoutTheRegisteredControlTheDialogSaysSoAndEndsAtOnce) {
    setenv("TALVORIN_REGISTRY", m_folder.Path("empty.ini").c_str(), 1);
    CGraphDlg dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "teechart.ocx cann't be installed!");
    EXPECT_TRUE(dialog.m_records.empty()) << "nothing was searched";
    EXPECT_TRUE(Chart(dialog).series.empty());
}

TEST_F(GraphDlgTest, TheFramesGraphCommandOpensItAndGetsTheRangeBack) {
    CMainFrame frame(g_weatherComm, MakeMainView<FakeMainView>);
    ASSERT_TRUE(frame.OnCreate());
    time_t times[kRangeTimeCount] = {1, 2, 3, 4};
    frame.SaveRange(2, times);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* graph = qobject_cast<CDialog*>(window); graph && graph->isVisible()) {
                opened = graph->TemplateId() == IDD_GRAPH;
                graph->EndDialog(IDCANCEL);
            }
        }
    });
    frame.Commands().Find(ID_RECORD_GRAPH)->trigger();
    EXPECT_TRUE(opened);
    int preset = -1;
    time_t back[kRangeTimeCount] = {};
    EXPECT_TRUE(frame.LoadSavedRange(preset, back));
    EXPECT_EQ(preset, 2);
    EXPECT_EQ(back[3], 4);
}

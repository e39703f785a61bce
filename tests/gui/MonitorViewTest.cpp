#include "app/KR5160View.h"
#include "app/MainFrm.h"
#include "app/MyStatusBar.h"
#include "app/core/Config.h"
#include "app/core/WakeEvent.h"
#include "controls/TempLevel.h"
#include "platform/qt/CommandActions.h"
#include "resources/ResourceIds.h"
#include "station/link/WeatherComm.h"
#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "station/values/UnitNames.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FileTestSupport.h"
#include "tests/core/FixedClock.h"
#include "tests/core/ScopedSimulatedLink.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/ScopedValue.h"
#include "tests/core/SimulatedHistory.h"
#include "tests/core/SleepRecorder.h"
#include "tests/gui/ViewTestSupport.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <optional>

#include <gtest/gtest.h>

#include <QAction>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>
#include <QThread>

namespace {

using namespace std::chrono_literals;

bool OnUiThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// A main frame that shows nothing and notes every status text and the thread it came on.
class RecordingFrame : public QWidget, public IStatusTextTarget {
public:
    bool IsWindow() const override { return true; }
    int OnStatusText(const char* text) override {
        texts.emplace_back(text);
        allOnUiThread = allOnUiThread && OnUiThread();
        return 0;
    }
    std::size_t Summaries() const {
        return std::count_if(texts.begin(), texts.end(), [](const std::string& text) {
            return text.starts_with("Last Read Time: ");
        });
    }

    std::vector<std::string> texts;
    bool allOnUiThread = true;
};

// Notes the thread of every event that reaches a widget of the view, and the bells' pictures.
class EventThreadWatch : public QObject {
public:
    explicit EventThreadWatch(QWidget& view) {
        for (QWidget* widget : view.findChildren<QWidget*>())
            widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (!OnUiThread())
            ++offThread;
        if (event->type() == WM_BELL_SETBITMAPS)
            ++bellPictures;
        return false;
    }

    std::atomic<int> offThread{0};
    std::atomic<int> bellPictures{0};
};

// The main view in a frame, over the simulated console of test mode with a data file of its
// own, a stopped clock and pauses that are recorded instead of slept (the 60 s wait is real).
class MonitorViewTest : public DataFileTest {
protected:
    MonitorViewTest() {
        g_weatherComm.m_busy = false;
        g_wakeEvent.Wait(0ms);
        EXPECT_TRUE(g_weatherComm.Connect());
        g_weatherComm.EnableLinkPolling();
        // Three complete records stand before the one the console is filling.
        SetSimulatedHistory(4, 3);
    }

    bool WaitForSummaries(std::size_t count) {
        return QTest::qWaitFor([&] { return frame->Summaries() >= count; }, 20000);
    }
    std::string Text(int item) const { return ItemText(*view, item); }

    ScopedSimulatedLink m_testMode;
    ScopedValue<std::string> m_searchData{g_searchData, "true"};
    ScopedTimeZone m_zone{"UTC0"};
    SleepRecorder m_sleeps;
    std::optional<FixedClock> m_clock{std::in_place, TextToTime("2010-03-07 10:05:09")};
    std::unique_ptr<RecordingFrame> frame = std::make_unique<RecordingFrame>();
    CKR5160View* view = new CKR5160View(frame.get());
};

TEST_F(MonitorViewTest, ACycleFillsTheViewAndTheDataFileOnTheUserInterfaceThread) {
    EventThreadWatch watch(*view);
    frame->show();
    view->OnInitialUpdate();
    ASSERT_TRUE(view->HasMonitorThread());
    ASSERT_TRUE(WaitForSummaries(1));

    EXPECT_EQ(frame->windowTitle().toStdString(), "Talvorin Radio Controlled(---TEST MODE---)");
    EXPECT_EQ(frame->texts.front(), "Read data from Talvorin Radio Controlled ...");
    EXPECT_NE(std::find(frame->texts.begin(), frame->texts.end(), "Save all data on PC ..."),
              frame->texts.end());
    EXPECT_EQ(frame->texts.back(),
              "Last Read Time: 07-03-2010 10:05:09, Read Records: 3 (Total Records: 3).");
    EXPECT_TRUE(frame->allOnUiThread);

    // The record the console is filling, in the console's metric units.
    EXPECT_EQ(Text(IDC_INDOOR_TEMPERATURE), "22.7 " + std::string(kUnitCelsius));
    EXPECT_EQ(Text(IDC_OUTDOOR_HUMIDITY), "61 %");
    EXPECT_TRUE(ControlById<CTempLevel>(view->Form(), IDC_INDOOR_THERMOMETER)->HasValue());
    EXPECT_NE(Text(IDC_RAIN_TOTAL), "--- mm");
    EXPECT_NE(Text(IDC_INDOOR_TEMPERATURE_MAX), "--- " + std::string(kUnitCelsius));
    EXPECT_NE(Text(IDC_ABSOLUTE_PRESSURE_MIN), "--- hPa");
    EXPECT_EQ(watch.bellPictures, static_cast<int>(2 * kBellCount)) << "the empty ones, the read";
    EXPECT_EQ(watch.offThread, 0) << "no widget is touched off the user-interface thread";

    CWeatherRecordArray stored;
    LoadAllRecords(stored);
    EXPECT_EQ(stored.size(), 3u);

    // Woken, the next cycle starts at once and stores what the console recorded meanwhile.
    m_clock.emplace(TextToTime("2010-03-07 10:37:09"));
    g_wakeEvent.Set();
    ASSERT_TRUE(WaitForSummaries(2));
    EXPECT_EQ(frame->texts.back(),
              "Last Read Time: 07-03-2010 10:37:09, Read Records: 5 (Total Records: 8).");

    // Closing the view while the thread waits between cycles ends the thread at once.
    const auto closing = std::chrono::steady_clock::now();
    delete view;
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 5s);
    EXPECT_EQ(watch.offThread, 0);
}

// A data file that may be read but not written (a backup copy, a read-only mount): the five
// rain totals of the main window count the records it holds, and the status bar says why no
// history is read.
TEST_F(MonitorViewTest, OverADataFileThatCannotBeWrittenTheRainTotalsCountItsRecords) {
    WriteLines({LineOf(StoredRecord("1", "2010-03-07 09:45:00")),
                LineOf(StoredRecord("2", "2010-03-07 09:50:00")),
                LineOf(StoredRecord("3", "2010-03-07 09:55:00")),
                LineOf(StoredRecord("4", "2010-03-07 10:00:00"))});
    const std::string stored = Bytes();
    const ScopedUnwritableFiles unwritable;
    view->OnInitialUpdate();
    ASSERT_TRUE(WaitForSummaries(1));

    EXPECT_EQ(frame->texts.back(),
              "Last Read Time: 07-03-2010 10:05:09, Read Records: 0 (Total Records: 4). The "
              "history was not read: the data file is busy or cannot be written. The next "
              "reading tries again.");
    EXPECT_EQ(Text(IDC_OUTDOOR_HUMIDITY), "61 %");
    // The live record adds no rain to the newest stored one; the stored records add their
    // increments, each period's oldest one excepted. Over an empty file every total is 0.0.
    EXPECT_EQ(Text(IDC_RAIN_HOUR), "0.3 mm");
    EXPECT_EQ(Text(IDC_RAIN_DAY), "0.9 mm");
    EXPECT_EQ(Text(IDC_RAIN_WEEK), "0.9 mm");
    EXPECT_EQ(Text(IDC_RAIN_MONTH), "0.9 mm");
    EXPECT_EQ(Text(IDC_RAIN_TOTAL), "350.1 mm");
    EXPECT_EQ(Bytes(), stored);
}

// A console that is plugged in but does not answer: the status bar says so in place of a
// summary, and the main window keeps what the last reading showed.
TEST_F(MonitorViewTest, AConsoleThatDoesNotAnswerKeepsTheLastReadingShown) {
    view->OnInitialUpdate();
    ASSERT_TRUE(WaitForSummaries(1));
    const int items[] = {IDC_INDOOR_TEMPERATURE, IDC_OUTDOOR_HUMIDITY, IDC_RAIN_TOTAL,
                         IDC_RAIN_HOUR, IDC_INDOOR_TEMPERATURE_MAX};
    std::vector<std::string> shown;
    for (int item : items)
        shown.push_back(Text(item));
    EXPECT_EQ(shown[0], "22.7 " + std::string(kUnitCelsius));

    m_testMode.SetAnswering(false);
    m_clock.emplace(TextToTime("2010-03-07 10:37:09"));
    g_wakeEvent.Set();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return frame->texts.back().starts_with("The console"); }, 20000));

    EXPECT_EQ(frame->texts.back(),
              "The console did not answer (07-03-2010 10:37:09); its settings could not be read. "
              "The values shown are those of the last successful reading; the next reading tries "
              "again.");
    EXPECT_EQ(frame->Summaries(), 1u);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(Text(items[i]), shown[i]) << "item " << items[i];
    EXPECT_TRUE(ControlById<CTempLevel>(view->Form(), IDC_INDOOR_THERMOMETER)->HasValue());
}

TEST_F(MonitorViewTest, DestroyingTheFrameWithTheViewInsideEndsTheThreadAtOnce) {
    view->OnInitialUpdate();
    ASSERT_TRUE(WaitForSummaries(1));
    const auto closing = std::chrono::steady_clock::now();
    frame.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 5s);
}

// Exit during a long download: the thread, sending a progress text per record, stops at the
// next record; the frame and its view are gone at once, and nothing of the download is stored.
TEST_F(MonitorViewTest, ExitDuringALongDownloadEndsAtOnceAndStoresNothing) {
    SetSimulatedHistory(3264, 3263);
    auto main = std::make_unique<CMainFrame>();
    ASSERT_TRUE(main->OnCreate());
    main->InitialUpdateFrame();
    // Each progress text waits for this thread: handled one by one, the download is caught at
    // its start.
    const QDeadlineTimer deadline(20000);
    while (!main->StatusBar().PaneText().contains("Data has been read.") && !deadline.hasExpired())
        QCoreApplication::processEvents();
    ASSERT_TRUE(main->StatusBar().PaneText().contains("Data has been read."));

    main->Commands().Find(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(main->isVisible());
    const auto ending = std::chrono::steady_clock::now();
    main.reset(); // as the application's end does
    EXPECT_LT(std::chrono::steady_clock::now() - ending, 2s);
    EXPECT_EQ(Bytes(), "");
}

// Notes every text the status pane shows, as it is painted.
class PaneTexts : public QObject {
public:
    explicit PaneTexts(CMyStatusBar& bar) : m_bar(bar) {
        for (QLabel* label : bar.findChildren<QLabel*>())
            label->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && (texts.empty() || texts.back() != m_bar.PaneText()))
            texts.push_back(m_bar.PaneText());
        return false;
    }
    long Count(const QString& text) const { return std::count(texts.begin(), texts.end(), text); }

    std::vector<QString> texts;

private:
    CMyStatusBar& m_bar;
};

// The link comes up at the first tick of the frame's timer, which wakes the thread to read the
// console at once; the thread's first reading answers that wake, and no second one follows.
TEST_F(MonitorViewTest, TheLinkComingUpAtStartBringsOneReading) {
    g_weatherComm.m_link->m_open = false;
    auto main = std::make_unique<CMainFrame>();
    ASSERT_TRUE(main->OnCreate());
    PaneTexts pane(main->StatusBar());
    main->OnTimer();
    ASSERT_TRUE(g_weatherComm.IsConnected());
    main->InitialUpdateFrame();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return main->StatusBar().PaneText().startsWith("Last Read Time"); }, 20000));
    QTest::qWait(2500); // two more ticks of the link timer
    EXPECT_EQ(pane.Count("Read data from Talvorin Radio Controlled ..."), 1);
    EXPECT_EQ(
        pane.Count("Last Read Time: 07-03-2010 10:05:09, Read Records: 0 (Total Records: 0)."), 1)
        << "the simulated console holds no finished record at its first reading";
}

TEST_F(MonitorViewTest, WithSearchDataOffNoThreadStartsAndTheViewStaysEmpty) {
    ScopedValue<std::string> off{g_searchData, "FALSE"};
    view->OnInitialUpdate();
    EXPECT_FALSE(view->HasMonitorThread());
    QTest::qWait(200);
    EXPECT_TRUE(frame->texts.empty());
    EXPECT_TRUE(frame->windowTitle().isEmpty());
    EXPECT_EQ(Text(IDC_OUTDOOR_HUMIDITY), "--- %");
    EXPECT_TRUE(m_sleeps.Recorded().empty());
}

TEST_F(MonitorViewTest, ASecondInitialUpdateKeepsTheOneThread) {
    view->OnInitialUpdate();
    ASSERT_TRUE(WaitForSummaries(1));
    view->OnInitialUpdate();
    EXPECT_EQ(Text(IDC_OUTDOOR_HUMIDITY), "--- %") << "the empty values again";
    QTest::qWait(100);
    EXPECT_EQ(frame->Summaries(), 1u) << "no second thread reads the console";
    g_wakeEvent.Set();
    ASSERT_TRUE(WaitForSummaries(2));
    EXPECT_EQ(Text(IDC_OUTDOOR_HUMIDITY), "60 %") << "the record of slot 8";
}

// A display operation called from another thread is carried out by the user-interface thread
// while the caller waits: until that thread handles events, nothing changes and the call does
// not return.
void ExpectCarriedOutOnUiThread(const std::function<void()>& call,
                                const std::function<bool()>& changed) {
    std::future<void> done = std::async(std::launch::async, call);
    EXPECT_EQ(done.wait_for(200ms), std::future_status::timeout);
    EXPECT_FALSE(changed());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return done.wait_for(0ms) == std::future_status::ready; }, 5000));
    EXPECT_TRUE(changed());
}

class DisplayThreadTest : public testing::Test {
protected:
    DisplayThreadTest() { view.OnInitialUpdate(); }

    ScopedValue<std::string> searchDataOff{g_searchData, "0"};
    CKR5160View view;
};

TEST_F(DisplayThreadTest, LiveData) {
    CWeatherRecord record;
    record.outHumi = "48";
    ExpectCarriedOutOnUiThread([&] { view.ShowLiveData(record, CWeatherSettings()); },
                               [&] { return ItemText(view, IDC_OUTDOOR_HUMIDITY) == "48 %"; });
}

TEST_F(DisplayThreadTest, MinMax) {
    CWeatherSettings settings;
    settings.outHumiMax = "97";
    ExpectCarriedOutOnUiThread([&] { view.ShowMinMax(settings); },
                               [&] { return ItemText(view, IDC_OUTDOOR_HUMIDITY_MAX) == "97 %"; });
}

TEST_F(DisplayThreadTest, Alarms) {
    CWeatherRecord record;
    record.uv = "9";
    CWeatherSettings settings;
    settings.uvHighAlarm = "5";
    settings.uvHighAlarmFlag = "1";
    const QImage ringing = ArmedLook(view, IDC_BELL_UV, IDB_BELL_ALARM);
    ExpectCarriedOutOnUiThread([&] { view.ShowAlarms(record, settings); },
                               [&] { return BellLook(view, IDC_BELL_UV) == ringing; });
}

} // namespace

#include "app/MainFrm.h"
#include "app/MyStatusBar.h"
#include "app/core/Config.h"
#include "app/core/WakeEvent.h"
#include "platform/qt/CommandActions.h"
#include "resources/ResourceIds.h"
#include "tests/core/ScopedValue.h"
#include "tests/emulator/EmulatorModule.h"
#include "tests/gui/FakeMainView.h"
#include "tests/gui/OtherThread.h"
#include "texts/Env.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

namespace {

QStringList MenuTitles(QMenuBar& bar) {
    QStringList titles;
    for (QAction* action : bar.actions())
        titles << action->text();
    return titles;
}

bool MenuHasCommand(const QWidget& menu, int command) {
    for (QAction* action : menu.actions()) {
        if (action->menu() ? MenuHasCommand(*action->menu(), command)
                           : CommandOf(action) == command)
            return true;
    }
    return false;
}

// The connection picture shows a green lamp when the console is connected and a red one when it
// is not.
enum class Lamp { kNone, kGreen, kRed };

Lamp LampOf(const QWidget& pane) {
    const QImage image = const_cast<QWidget&>(pane).grab().toImage();
    int green = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            green += c.green() > c.red() + 80 && c.green() > c.blue() + 80;
            red += c.red() > c.green() + 80 && c.red() > c.blue() + 80;
        }
    }
    if (green > 0 && red == 0)
        return Lamp::kGreen;
    if (red > 0 && green == 0)
        return Lamp::kRed;
    return Lamp::kNone;
}

// The frame in the current language, over a station link whose console is the emulator.
class MainFrameTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_emulator.IsLoaded()); }

    std::unique_ptr<CMainFrame> MakeFrame() {
        auto frame = std::make_unique<CMainFrame>(m_comm, MakeMainView<FakeMainView>);
        EXPECT_TRUE(frame->OnCreate());
        return frame;
    }

    ScopedValue<int> m_lang{g_lang, 0};
    ScopedValue<std::string> m_searchData{g_searchData, "true"};
    ScopedValue<std::string> m_debugFlag{g_debugFlag, "false"};
    ConsoleEmulator m_emulator;
    CWeatherComm m_comm{EmulatorLink(), kEmulatorIds};
};

struct LanguageCase {
    const char* name;
    int lang;
    QString title;
    QStringList menus;
    QString idle;
    QString setupPrompt;
    QString setupTip;
    QString noConsole;      // the idle text while no console is attached
    QString consoleRefused; // the idle text while one is attached but cannot be opened
};

class FrameLanguageTest : public MainFrameTest, public testing::WithParamInterface<LanguageCase> {};

TEST_P(FrameLanguageTest, MenuTitleAndPromptsAreThoseOfTheLanguage) {
    g_lang = GetParam().lang;
    const auto frame = MakeFrame();
    EXPECT_EQ(frame->windowTitle(), GetParam().title);
    EXPECT_EQ(MenuTitles(*frame->menuBar()), GetParam().menus);
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().idle);
    QAction* setup = frame->Commands().Find(ID_SYSTEM_SETUP);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->statusTip(), GetParam().setupPrompt);
    EXPECT_EQ(setup->toolTip(), GetParam().setupTip);
    EXPECT_EQ(frame->Commands().Find(ID_APP_ABOUT)->text(), "&About Talvorin...");
}

TEST_P(FrameLanguageTest, WhileTheLinkIsDownTheIdleTextSaysWhy) {
    g_lang = GetParam().lang;
    const auto frame = MakeFrame();
    m_emulator.SetAttached(false);
    frame->OnTimer();
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().noConsole);

    QAction* setup = frame->Commands().Find(ID_SYSTEM_SETUP);
    setup->showStatusText(frame->menuBar());
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().setupPrompt);
    frame->OnTimer();
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().setupPrompt) << "told once, not every tick";
    QStatusTipEvent leave({});
    QCoreApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().noConsole);

    // The last text of a reading the link broke off gives way at the next tick.
    frame->OnStatusText("Read data from Talvorin Radio Controlled ...");
    frame->OnTimer();
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().noConsole);

    m_emulator.SetAttached(true);
    m_emulator.SetRefusing(true);
    frame->OnTimer();
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().consoleRefused);

    m_emulator.SetRefusing(false);
    frame->OnTimer();
    EXPECT_TRUE(m_comm.IsConnected());
    EXPECT_EQ(frame->StatusBar().PaneText(), GetParam().idle);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, FrameLanguageTest,
    testing::Values(LanguageCase{"English",
                                 0,
                                 "Untitled - Talvorin",
                                 {"&Display", "&System", "&Record", "&Help"},
                                 "Ready",
                                 "Display and setup system configuration",
                                 "Display and setup system configuration",
                                 "No console found: connect the weather station's console to a "
                                 "USB port.",
                                 "A console was found but cannot be opened: install the udev rule "
                                 "70-talvorin.rules (README, \"Use a real console\"), then plug "
                                 "the console in again."},
                    LanguageCase{"German",
                                 1,
                                 "Unbenannt - Talvorin",
                                 {"&Ansicht", "&System", "&Daten", "&Hilfe"},
                                 "Bereit",
                                 "Einstellungen der Wetterstation anzeigen und ändern",
                                 "Einstellungen",
                                 "Keine Wetterstation gefunden: Schließen Sie die Wetterstation an "
                                 "einen USB-Anschluss an.",
                                 "Eine Wetterstation wurde gefunden, kann aber nicht geöffnet "
                                 "werden: Installieren Sie die udev-Regel 70-talvorin.rules "
                                 "(README, \"Use a real console\") und stecken Sie die "
                                 "Wetterstation erneut ein."},
                    LanguageCase{"Danish",
                                 2,
                                 "Unavngivet - Talvorin",
                                 {"&Vis", "&System", "&Data", "&Hjælp"},
                                 "Klar",
                                 "Vis og ændr vejrstationens opsætning",
                                 "Opsætning",
                                 "Ingen vejrstation fundet: Slut vejrstationen til en USB-port.",
                                 "Der er fundet en vejrstation, men den kan ikke åbnes: Installér "
                                 "udev-reglen 70-talvorin.rules (README, \"Use a real console\"), "
                                 "og sæt vejrstationen i igen."}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return info.param.name; });

TEST_F(MainFrameTest, TheToolBarHoldsSevenButtonsInThreeGroups) {
    const auto frame = MakeFrame();
    std::vector<int> buttons;
    for (QAction* action : frame->ToolBar().actions())
        buttons.push_back(action->isSeparator() ? 0 : CommandOf(action));
    EXPECT_EQ(buttons, (std::vector<int>{ID_SYSTEM_SETUP, ID_SYSTEM_ALARM, ID_SYSTEM_SCOPE, 0,
                                         ID_RECORD_HISTORY, ID_RECORD_GRAPH, 0, ID_APP_ABOUT}));
    for (QAction* action : frame->ToolBar().actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull()) << action->text().data();
    EXPECT_EQ(frame->ToolBar().iconSize(), QSize(19, 18));
}

TEST_F(MainFrameTest, CommandPromptsShowInTheFirstPaneAndGiveWayToTheIdleText) {
    g_lang = 1;
    const auto frame = MakeFrame();
    frame->Commands().Find(ID_RECORD_GRAPH)->showStatusText(frame->menuBar());
    EXPECT_EQ(frame->StatusBar().PaneText(), "Wetterdaten als Grafik anzeigen");
    frame->OnStatusText("100% Daten verarbeitet.");
    EXPECT_EQ(frame->StatusBar().PaneText(), "100% Daten verarbeitet.");
    QStatusTipEvent leave({});
    QCoreApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(frame->StatusBar().PaneText(), "Bereit");
}

TEST_F(MainFrameTest, ALongTextInTheFirstPaneDoesNotWidenTheWindow) {
    const auto frame = MakeFrame();
    frame->show();
    const int narrowest = frame->minimumSizeHint().width();
    frame->OnStatusText(std::string(300, 'x').c_str());
    QCoreApplication::processEvents(); // the layout takes the new text in
    EXPECT_EQ(frame->minimumSizeHint().width(), narrowest);
    EXPECT_LT(narrowest, 400);
}

struct DebugFlagCase {
    const char* value;
    bool kept;
};

class DebugItemTest : public MainFrameTest, public testing::WithParamInterface<DebugFlagCase> {};

TEST_P(DebugItemTest, TheDebugItemStaysOnlyWhenTheFlagIsOn) {
    g_debugFlag = GetParam().value;
    const auto frame = MakeFrame();
    EXPECT_EQ(MenuHasCommand(*frame->menuBar(), ID_DEBUG), GetParam().kept);
    EXPECT_TRUE(MenuHasCommand(*frame->menuBar(), ID_SYSTEM_SCOPE));
}

INSTANTIATE_TEST_SUITE_P(Values, DebugItemTest,
                         testing::Values(DebugFlagCase{"1", true}, DebugFlagCase{"TRUE", true},
                                         DebugFlagCase{"true", true}, DebugFlagCase{"yes", false},
                                         DebugFlagCase{"01", false}, DebugFlagCase{"0", false},
                                         DebugFlagCase{"", false}),
                         [](const testing::TestParamInfo<DebugFlagCase>& info) {
                             return std::string(*info.param.value ? info.param.value : "empty") +
                                    (info.param.kept ? "_kept" : "_removed");
                         });

TEST_F(MainFrameTest, TheLinkTimerTicksEverySecondFromCreationToDestruction) {
    CMainFrame frame(m_comm, MakeMainView<FakeMainView>);
    EXPECT_FALSE(frame.LinkTimer().isActive());
    ASSERT_TRUE(frame.OnCreate());
    EXPECT_TRUE(frame.LinkTimer().isActive());
    EXPECT_EQ(frame.LinkTimer().interval(), 1000);
    EXPECT_EQ(frame.LinkTimer().objectName(), "1124");
}

// The console as the emulator plays it during a tick.
enum class Console { kAbsent, kThere, kRefusing };

const char* const kNoConsole =
    "No console found: connect the weather station's console to a USB port.";
const char* const kConsoleRefused =
    "A console was found but cannot be opened: install the udev rule 70-talvorin.rules (README, "
    "\"Use a real console\"), then plug the console in again.";

// One tick of the link timer, and what it left behind.
struct Tick {
    Console console;
    bool connected;
    bool polling;
    Lamp lamp;
    int bellToggles;
    bool woken; // the monitor thread is woken to read a console just connected
    const char* pane;
};

struct TickCase {
    const char* name;
    const char* searchData;
    std::vector<Tick> ticks;
};

class TimerTickTest : public MainFrameTest, public testing::WithParamInterface<TickCase> {};

TEST_P(TimerTickTest, TheTickFollowsTheLinkWhilePolling) {
    g_searchData = GetParam().searchData;
    const auto frame = MakeFrame();
    frame->show();
    const FakeMainView& view = FakeViewOf(frame->View());
    EXPECT_EQ(LampOf(frame->StatusBar().LinkPane()), Lamp::kRed);
    g_wakeEvent.Wait(std::chrono::milliseconds(0));
    int n = 0;
    for (const Tick& tick : GetParam().ticks) {
        SCOPED_TRACE(testing::Message() << "tick " << ++n);
        m_emulator.SetAttached(tick.console != Console::kAbsent);
        m_emulator.SetRefusing(tick.console == Console::kRefusing);
        frame->OnTimer();
        EXPECT_EQ(m_comm.IsConnected(), tick.connected);
        EXPECT_EQ(m_comm.IsPollingLink(), tick.polling);
        EXPECT_EQ(LampOf(frame->StatusBar().LinkPane()), tick.lamp);
        EXPECT_EQ(view.bellToggles, tick.bellToggles);
        EXPECT_EQ(g_wakeEvent.Wait(std::chrono::milliseconds(0)), tick.woken);
        EXPECT_EQ(frame->StatusBar().PaneText(), tick.pane);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SearchData, TimerTickTest,
    testing::Values(
        // Reading in the background: every tick checks the link and blinks the bells, a new
        // connection is read at once, and while the link is down the first pane says why.
        TickCase{"On",
                 "true",
                 {{Console::kAbsent, false, true, Lamp::kRed, 1, false, kNoConsole},
                  {Console::kRefusing, false, true, Lamp::kRed, 2, false, kConsoleRefused},
                  {Console::kThere, true, true, Lamp::kGreen, 3, true, "Ready"},
                  {Console::kThere, true, true, Lamp::kGreen, 4, false, "Ready"},
                  {Console::kAbsent, false, true, Lamp::kRed, 5, false, kNoConsole},
                  {Console::kThere, true, true, Lamp::kGreen, 6, true, "Ready"}}},
        // Not reading: the first connection ends the ticks' work for good, whatever follows.
        TickCase{"Off",
                 "false",
                 {{Console::kRefusing, false, true, Lamp::kRed, 1, false, kConsoleRefused},
                  {Console::kThere, true, false, Lamp::kGreen, 2, false, "Ready"},
                  {Console::kAbsent, true, false, Lamp::kGreen, 2, false, "Ready"},
                  {Console::kThere, true, false, Lamp::kGreen, 2, false, "Ready"}}},
        // A console there from the start changes nothing in the first pane.
        TickCase{"Zero",
                 "0",
                 {{Console::kThere, true, false, Lamp::kGreen, 1, false, "Ready"},
                  {Console::kAbsent, true, false, Lamp::kGreen, 1, false, "Ready"}}}),
    [](const testing::TestParamInfo<TickCase>& info) { return info.param.name; });

TEST_F(MainFrameTest, TheTimerItselfDrivesTheLink) {
    const auto frame = MakeFrame();
    frame->show();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!m_comm.IsConnected() && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(m_comm.IsConnected());
    EXPECT_GE(FakeViewOf(frame->View()).bellToggles, 1);
}

TEST_F(MainFrameTest, TheFrameTakesTheScreenLessARowForTheTaskBar) {
    const auto frame = MakeFrame();
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect expected = QRect(0, 0, screen->geometry().width(), screen->geometry().height() - 25)
                               .intersected(screen->availableGeometry());
    EXPECT_EQ(frame->geometry(), expected);
}

TEST_F(MainFrameTest, TheViewIsPlacedAndSetUpOnceTheFrameShows) {
    const auto frame = MakeFrame();
    EXPECT_EQ(frame->centralWidget(), frame->View());
    EXPECT_EQ(FakeViewOf(frame->View()).initialUpdates, 0);
    frame->InitialUpdateFrame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(FakeViewOf(frame->View()).initialUpdates, 1);
}

// Records the text that pane 0 held each time it was painted, and on which thread.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& pane) : m_pane(pane) { pane.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::lock_guard lock(m_mutex);
            m_painted << static_cast<QLabel&>(m_pane).text();
            m_onUiThread = QThread::currentThread() == qApp->thread();
        }
        return false;
    }
    QStringList Painted() {
        std::lock_guard lock(m_mutex);
        return m_painted;
    }
    bool OnUiThread() {
        std::lock_guard lock(m_mutex);
        return m_onUiThread;
    }

private:
    QWidget& m_pane;
    std::mutex m_mutex;
    QStringList m_painted;
    bool m_onUiThread = false;
};

TEST_F(MainFrameTest, AStatusTextFromAnotherThreadIsShownBeforeTheSenderGoesOn) {
    const auto frame = MakeFrame();
    frame->show();
    // Only a window on the screen paints; under load it may get there late.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    auto* pane = frame->StatusBar().findChild<QLabel*>("statusPane0");
    ASSERT_NE(pane, nullptr);
    PaintRecorder recorder(*pane);
    QStringList paintedWhenReturned;
    int result = -1;
    RunOnAnotherThread([&] {
        result = SetStatusText(frame.get(), "Read data from Talvorin Radio Controlled ...");
        paintedWhenReturned = recorder.Painted();
    });
    EXPECT_EQ(result, 0);
    ASSERT_FALSE(paintedWhenReturned.isEmpty());
    EXPECT_EQ(paintedWhenReturned.last(), "Read data from Talvorin Radio Controlled ...");
    EXPECT_TRUE(recorder.OnUiThread());
    EXPECT_EQ(frame->StatusBar().PaneText(), "Read data from Talvorin Radio Controlled ...");
}

TEST_F(MainFrameTest, AFrameNotYetCreatedTakesNoStatusText) {
    CMainFrame frame(m_comm, MakeMainView<FakeMainView>);
    EXPECT_FALSE(frame.IsWindow());
    RunOnAnotherThread([&] { EXPECT_EQ(SetStatusText(&frame, "too early"), 0); });
    EXPECT_TRUE(frame.StatusBar().PaneText().isEmpty());
    ASSERT_TRUE(frame.OnCreate());
    EXPECT_TRUE(frame.IsWindow());
}

// The monitor thread may be sending a text at the very moment the window goes: the frame's
// teardown waits for it (through the view) and shows nothing more.
TEST_F(MainFrameTest, AStatusTextArrivingWhileTheFrameIsDestroyedIsNotShown) {
    auto frame = MakeFrame();
    frame->show();
    const QPointer<QLabel> pane = frame->StatusBar().findChild<QLabel*>("statusPane0");
    ASSERT_FALSE(pane.isNull());

    std::atomic<bool> sent = false;
    int result = -1;
    std::thread monitor([&] {
        result = SetStatusText(frame.get(), "late text");
        sent = true;
    });
    // The text is on its way, waiting for this thread, when the frame starts to go.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    QString paneAtTheEnd;
    FakeViewOf(frame->View()).onDelete = [&] {
        while (!sent)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        paneAtTheEnd = pane->text();
    };
    frame.reset();
    monitor.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(paneAtTheEnd, "Ready");
    EXPECT_TRUE(pane.isNull());
}

TEST_F(MainFrameTest, TheSavedRangeGoesFromOneDialogToTheNext) {
    const auto frame = MakeFrame();
    int preset = 7;
    time_t times[kRangeTimeCount] = {11, 12, 13, 14};
    EXPECT_FALSE(frame->LoadSavedRange(preset, times));
    EXPECT_EQ(preset, 7);
    EXPECT_EQ(times[3], 14);

    // The history dialog closes with its range, the graph dialog opens with it.
    const time_t fromHistory[] = {1268000000, 1268003600, 1268007200, 1268010800};
    frame->SaveRange(2, fromHistory);
    ASSERT_TRUE(frame->LoadSavedRange(preset, times));
    EXPECT_EQ(preset, 2);
    EXPECT_TRUE(std::equal(std::begin(times), std::end(times), std::begin(fromHistory)));

    // The graph dialog closes with another range, the history dialog opens with that one.
    const time_t fromGraph[] = {1270000000, 0, 1270086400, 0};
    frame->SaveRange(0, fromGraph);
    ASSERT_TRUE(frame->LoadSavedRange(preset, times));
    EXPECT_EQ(preset, 0);
    EXPECT_TRUE(std::equal(std::begin(times), std::end(times), std::begin(fromGraph)));
}

TEST_F(MainFrameTest, TheDisplayItemsShowAndHideTheBarsAndTickThemselves) {
    const auto frame = MakeFrame();
    frame->show();
    const std::pair<QAction*, QWidget*> items[] = {
        {frame->Commands().Find(ID_VIEW_TOOLBAR), &frame->ToolBar()},
        {frame->Commands().Find(ID_VIEW_STATUS_BAR), &frame->StatusBar()},
    };
    for (const bool shown : {true, false, true}) {
        for (const auto& [item, bar] : items) {
            EXPECT_EQ(bar->isVisible(), shown) << bar->objectName().toStdString();
            EXPECT_EQ(item->isChecked(), shown) << bar->objectName().toStdString();
        }
        for (const auto& [item, bar] : items)
            item->trigger();
    }
}

TEST_F(MainFrameTest, NewAndOpenSetTheViewUpAgain) {
    const auto frame = MakeFrame();
    frame->InitialUpdateFrame();
    QAction* newDocument = frame->Commands().Find(ID_FILE_NEW);
    QAction* open = frame->Commands().Find(ID_FILE_OPEN);
    ASSERT_TRUE(newDocument && open);
    EXPECT_EQ(newDocument->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(open->shortcut(), QKeySequence("Ctrl+O"));
    newDocument->trigger();
    open->trigger();
    EXPECT_EQ(FakeViewOf(frame->View()).initialUpdates, 3);
}

TEST_F(MainFrameTest, ExitClosesTheFrame) {
    const auto frame = MakeFrame();
    frame->show();
    frame->Commands().Find(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(frame->isVisible());
}

} // namespace

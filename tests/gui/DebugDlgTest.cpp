#include "dialogs/DebugDlg.h"

#include "app/MainFrm.h"
#include "app/core/Config.h"
#include "platform/qt/CommandActions.h"
#include "resources/ResourceIds.h"
#include "station/console/HistoryRing.h"
#include "station/console/WeatherSet.h"
#include "station/link/SimulatedConsole.h"
#include "station/link/SimulatedLink.h"
#include "station/link/WeatherComm.h"
#include "tests/core/ScopedValue.h"
#include "tests/gui/FakeMainView.h"
#include "tests/gui/OtherThread.h"

#include <chrono>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>

namespace {

int SimWord(int at) {
    return g_simMemory[at] | g_simMemory[at + 1] << 8;
}

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The dialog's protected anchors, for the edge-by-edge check of its minimum size.
class ExposedDebugDlg : public CDebugDlg {
public:
    using CDebugDlg::CDebugDlg;
    using CDialog::Sizers;
};

// The debug dialog over the simulated console of test mode, in g_debugDlg as the frame puts it.
class DebugDlgTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_comm.Connect());
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            m_boxes.push_back(request.text);
            return kIdOk;
        });
        ASSERT_TRUE(m_dialog->Create());
        g_debugDlg = m_dialog.get();
        m_dialog->show();
    }
    void TearDown() override {
        m_dialog.reset();
        SetMessageBoxHook({});
    }

    void Click(int id) { m_dialog->GetDlgItem<QAbstractButton>(id)->click(); }
    void TypeRecordNo(const QString& number) {
        auto* edit = m_dialog->GetDlgItem<QLineEdit>(IDC_DEBUG_RECORD_NO);
        edit->clear();
        QTest::keyClicks(edit, number);
    }
    std::string Log() const { return m_dialog->LogText(); }
    // The record addresses a record entry of the log names: the newest, and the one read.
    std::pair<int, int> ReadAddresses() const {
        std::smatch match;
        const std::string log = Log();
        if (!std::regex_search(log, match,
                               std::regex("stackAddr: ([0-9A-F]+) hexAddr: ([0-9A-F]+)")))
            return {-1, -1};
        return {std::stoi(match[1], nullptr, 16), std::stoi(match[2], nullptr, 16)};
    }

    ScopedValue<int> m_lang{g_lang, 0};
    CWeatherComm m_comm{std::make_unique<CSimulatedLink>()};
    std::unique_ptr<ExposedDebugDlg> m_dialog = std::make_unique<ExposedDebugDlg>(nullptr, m_comm);
    std::vector<std::string> m_boxes;
};

TEST_F(DebugDlgTest, OpensWithItsBoxesClearAndTheNewestRecordAsked) {
    EXPECT_EQ(m_dialog->windowTitle(), "Debug Dialog");
    for (const int box : {IDC_DEBUG_READ, IDC_DEBUG_WRITE, IDC_DEBUG_DATA})
        EXPECT_EQ(m_dialog->IsDlgButtonChecked(box), 0);
    EXPECT_EQ(m_dialog->GetDlgItemText(IDC_DEBUG_RECORD_NO), "0");
    EXPECT_EQ(Log(), "");
}

TEST_F(DebugDlgTest, WithAllBoxesClearNothingIsAppended) {
    CWeatherSettings settings;
    EXPECT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    CWeatherRecord record;
    EXPECT_TRUE(m_comm.ReadRecordAt(kHistoryFirstSlot, record, false));
    SendDebugLog("historyRecords->0");
    m_dialog->OnDebugLog(DEBUGLOG_WRITE, settings); // sent before a box was cleared
    EXPECT_EQ(Log(), "");
}

TEST_F(DebugDlgTest, AReportOfAnUnknownKindAppendsNothing) {
    for (const int box : {IDC_DEBUG_READ, IDC_DEBUG_WRITE, IDC_DEBUG_DATA})
        Click(box);
    const CWeatherSettings settings;
    m_dialog->OnDebugLog(static_cast<DebugLogKind>(5), settings);
    m_dialog->OnDebugLog(DEBUGLOG_DATA, settings);
    EXPECT_EQ(Log(), "");
}

TEST_F(DebugDlgTest, EachBoxLetsItsOwnKindThroughAsSoonAsItIsClicked) {
    Click(IDC_DEBUG_WRITE);
    EXPECT_TRUE(m_dialog->m_writeDebug);
    EXPECT_FALSE(m_dialog->m_readDebug);
    SendDebugLog("historyRecords->0");
    CWeatherSettings settings;
    EXPECT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false)); // ReadDebug still clear
    EXPECT_EQ(Log(), "\n\nhistoryRecords->0");

    Click(IDC_DEBUG_DATA);
    CWeatherRecord record;
    EXPECT_TRUE(m_comm.ReadRecordAt(kHistoryFirstSlot, record, false));
    EXPECT_EQ(CountOf(Log(), "hexAddr: 000100"), 1);
}

TEST_F(DebugDlgTest, AfterClearATickedReadBeginsTheLogWithTheBlankLinePair) {
    Click(IDC_DEBUG_READ);
    m_dialog->GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG)->setPlainText("typed by the user");
    Click(IDC_DEBUG_CLEAR);
    EXPECT_EQ(Log(), "");
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    std::string expected = "\n\n" + settings.FormatDebugText();
    expected = std::regex_replace(expected, std::regex("\r\n"), "\n");
    EXPECT_EQ(Log(), expected);
}

TEST_F(DebugDlgTest, EntriesGoToTheEndWhereverTheCaretWas) {
    Click(IDC_DEBUG_WRITE);
    SendDebugLog("first");
    auto* log = m_dialog->GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG);
    QTextCursor start = log->textCursor();
    start.movePosition(QTextCursor::Start);
    log->setTextCursor(start);
    SendDebugLog("second");
    EXPECT_EQ(Log(), "\n\nfirst\n\nsecond");
    EXPECT_EQ(log->textCursor().position(), static_cast<int>(Log().size()));
}

TEST_F(DebugDlgTest, SetupReadIsLoggedOnceEvenWithReadDebugTicked) {
    Click(IDC_DEBUG_READ);
    Click(IDC_DEBUG_SETUP_READ);
    EXPECT_TRUE(m_boxes.empty());
    ASSERT_EQ(Log().rfind("\n\n", 0), 0u);
    EXPECT_EQ(CountOf(Log(), "historyStackAddr"), 1) << Log();
    EXPECT_FALSE(m_comm.m_busy);
}

TEST_F(DebugDlgTest, RecordNumberZeroReadsTheNewestRecord) {
    Click(IDC_DEBUG_DATA_READ);
    EXPECT_TRUE(m_boxes.empty());
    const auto [newest, read] = ReadAddresses();
    EXPECT_GE(newest, kHistoryFirstSlot);
    EXPECT_EQ(read, newest);
    EXPECT_EQ(CountOf(Log(), "hexAddr:"), 1);
}

TEST_F(DebugDlgTest, ARecordNumberCountsBackFromTheNewest) {
    CWeatherSettings settings;
    for (int read = 0; read < 3; ++read) // the simulated console holds a record more per read
        ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, true));
    TypeRecordNo("2");
    Click(IDC_DEBUG_DATA_READ);
    EXPECT_TRUE(m_boxes.empty());
    const auto [newest, read] = ReadAddresses();
    EXPECT_EQ(read, newest - 2 * kHistoryRecordSize);
}

TEST_F(DebugDlgTest, TheRingsSizeIsAcceptedAndOneMoreIsRefusedWithoutReading) {
    TypeRecordNo("3264");
    Click(IDC_DEBUG_DATA_READ);
    // Accepted, but the console holds fewer records than that.
    EXPECT_EQ(m_boxes, std::vector<std::string>{"Read weather setup data fail!"});

    m_boxes.clear();
    TypeRecordNo("3265");
    const int countBefore = SimWord(0x1B);
    Click(IDC_DEBUG_DATA_READ);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].find("3264"), std::string::npos) << m_boxes[0];
    EXPECT_EQ(SimWord(0x1B), countBefore); // the console was not read
    EXPECT_EQ(Log(), "");
}

TEST_F(DebugDlgTest, ANumberPastTheConsolesCountFailsWithTheReadMessage) {
    const int count = SimWord(0x1B) + 1; // the next read counts one more record
    TypeRecordNo(QString::number(count + 5));
    Click(IDC_DEBUG_DATA_READ);
    EXPECT_EQ(m_boxes, std::vector<std::string>{"Read weather setup data fail!"});
    EXPECT_FALSE(m_comm.m_busy);
}

TEST_F(DebugDlgTest, ReportsFromAnotherThreadAreAppendedOnTheUserInterfaceThread) {
    Click(IDC_DEBUG_WRITE);
    std::vector<bool> onUiThread;
    QObject::connect(m_dialog->GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG),
                     &QPlainTextEdit::textChanged,
                     [&] { onUiThread.push_back(QThread::currentThread() == qApp->thread()); });
    RunOnAnotherThread([] { SendDebugLog("historyRecords->0"); });
    EXPECT_EQ(onUiThread, std::vector<bool>{true});
    EXPECT_EQ(Log(), "\n\nhistoryRecords->0");
}

TEST_F(DebugDlgTest, AReportUnderWayWhenTheDialogGoesLandsBeforeItAndNoneAfter) {
    Click(IDC_DEBUG_WRITE);
    std::string landed;
    auto* log = m_dialog->GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG);
    QObject::connect(log, &QPlainTextEdit::textChanged,
                     [&] { landed = log->toPlainText().toStdString(); });
    std::thread sender([] { SendDebugLog("on its way"); });
    // The sender now waits for this thread, which does not handle events until the dialog goes.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    m_dialog.reset();
    sender.join();
    EXPECT_EQ(landed, "\n\non its way");
    EXPECT_EQ(g_debugDlg.load(), nullptr);
    SendDebugLog("too late"); // nobody to take it
}

TEST_F(DebugDlgTest, CancelHidesTheDialogAndKeepsItsLog) {
    Click(IDC_DEBUG_WRITE);
    SendDebugLog("kept");
    Click(IDCANCEL);
    EXPECT_FALSE(m_dialog->isVisible());
    SendDebugLog("while hidden");
    EXPECT_EQ(Log(), "\n\nkept\n\nwhile hidden");
}

TEST_F(DebugDlgTest, TheLogGrowsWithTheWindowAndTheColumnFollowsTheRightEdge) {
    const QRect log = m_dialog->GetDlgItem(IDC_DEBUG_LOG)->geometry();
    const QRect clear = m_dialog->GetDlgItem(IDC_DEBUG_CLEAR)->geometry();
    const QSize start = m_dialog->size();
    m_dialog->resize(start + QSize(100, 50));
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_DEBUG_LOG)->geometry(), log.adjusted(0, 0, 100, 50));
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_DEBUG_CLEAR)->geometry(), clear.translated(100, 0));
    m_dialog->resize(start - QSize(60, 60));
    EXPECT_EQ(m_dialog->size(), start);
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_DEBUG_CLEAR)->geometry(), clear);
}

TEST_F(DebugDlgTest, TheFirstSizeHoldsOnEveryDraggedEdge) {
    const CSizerGroup* sizers = m_dialog->Sizers();
    ASSERT_NE(sizers, nullptr);
    const int width = sizers->MinimumWidth();
    const int height = sizers->MinimumHeight();
    EXPECT_EQ(QSize(width, height), m_dialog->size());
    const SizerWindowRect tooSmall{100, 100, 110, 110};
    struct EdgeCase {
        SizerEdge edge;
        SizerWindowRect clamped;
    };
    const EdgeCase cases[] = {
        {kEdgeLeft, {110 - width, 100, 110, 110}},
        {kEdgeRight, {100, 100, 100 + width, 110}},
        {kEdgeTop, {100, 110 - height, 110, 110}},
        {kEdgeBottom, {100, 100, 110, 100 + height}},
        {kEdgeTopLeft, {110 - width, 110 - height, 110, 110}},
        {kEdgeTopRight, {100, 110 - height, 100 + width, 110}},
        {kEdgeBottomLeft, {110 - width, 100, 110, 100 + height}},
        {kEdgeBottomRight, {100, 100, 100 + width, 100 + height}},
    };
    for (const EdgeCase& edgeCase : cases) {
        SizerWindowRect rect = tooSmall;
        sizers->ClampSizing(edgeCase.edge, rect);
        EXPECT_EQ(rect, edgeCase.clamped) << edgeCase.edge;
    }
}

// The frame's Debug command, where the configuration keeps it.
class DebugCommandTest : public testing::Test {
protected:
    ScopedValue<std::string> m_debugFlag{g_debugFlag, "true"};
    ScopedValue<int> m_lang{g_lang, 0};
    CWeatherComm m_comm{std::make_unique<CSimulatedLink>()};
};

TEST_F(DebugCommandTest, TheCommandShowsTheOneDialogAgainWithItsLog) {
    auto frame = std::make_unique<CMainFrame>(m_comm, MakeMainView<FakeMainView>);
    ASSERT_TRUE(frame->OnCreate());
    frame->show();
    QAction* debug = frame->Commands().Find(ID_DEBUG);
    ASSERT_NE(debug, nullptr);
    EXPECT_EQ(frame->DebugDialog(), nullptr);
    EXPECT_EQ(g_debugDlg.load(), nullptr);

    debug->trigger();
    CDebugDlg* dialog = frame->DebugDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(g_debugDlg.load(), dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->parentWidget(), frame.get());

    dialog->GetDlgItem<QAbstractButton>(IDC_DEBUG_WRITE)->click();
    SendDebugLog("kept");
    dialog->GetDlgItem<QAbstractButton>(IDCANCEL)->click();
    EXPECT_FALSE(dialog->isVisible());
    debug->trigger();
    EXPECT_EQ(frame->DebugDialog(), dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->LogText(), "\n\nkept");

    frame.reset();
    EXPECT_EQ(g_debugDlg.load(), nullptr);
}

} // namespace

#include "app/MainFrm.h"
#include "platform/qt/CommandActions.h"
#include "station/records/RecordLayer.h"
#include "tests/core/FileTestSupport.h"
#include "tests/emulator/EmulatorModule.h"
#include "tests/gui/FakeMainView.h"
#include "tests/gui/HistoryDlgFixture.h"
#include "texts/Env.h"

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// ---- Range presets ---------------------------------------------------------------------------

struct PresetCase {
    const char* now;
    int item;
    const char* start;
};

// Wednesday 6 March 2024, Sunday 10 and Saturday 9 March, and the Tuesday after the Sunday on
// which summer time began.
const PresetCase kPresets[] = {
    {"2024-03-06 10:05:30", 0, "2024-03-06 10:00:00"},
    {"2024-03-06 10:05:30", 1, "2024-03-06 00:00:00"},
    {"2024-03-06 10:05:30", 2, "2024-03-03 00:00:00"},
    {"2024-03-06 10:05:30", 3, "2024-03-01 00:00:00"},
    {"2024-03-06 10:05:30", 4, "2024-03-06 10:05:30"},
    {"2024-03-10 10:05:30", 2, "2024-03-10 00:00:00"},
    {"2024-03-09 23:59:59", 2, "2024-03-03 00:00:00"},
    {"2024-04-02 09:00:00", 2, "2024-03-31 00:00:00"},
    {"2024-03-31 03:30:00", 0, "2024-03-31 03:00:00"},
};

TEST_F(HistoryDlgTest, EachPresetStartsAtItsCalendarBoundaryAndEndsNow) {
    for (const PresetCase& c : kPresets) {
        Open(c.now);
        ChooseRange(c.item);
        EXPECT_EQ(Start(), c.start) << c.now << " item " << c.item;
        EXPECT_EQ(End(), c.now) << c.now << " item " << c.item;
    }
}

TEST_F(HistoryDlgTest, OpensOnTheCurrentHourAndShowsItsRecords) {
    StoreRecords("2024-03-06 09:30:00", 10); // 09:30 .. 10:15
    Open("2024-03-06 10:05:30");

    ASSERT_TRUE(opened);
    EXPECT_EQ(dialog->GetCurSel(IDC_HISTORY_RANGE), 0);
    EXPECT_EQ(Start(), "2024-03-06 10:00:00");
    EXPECT_EQ(Numbers(), "7 8");
    EXPECT_TRUE(boxes.empty());
    // The units of the console: the simulated one is metric.
    EXPECT_EQ(List().ColumnTitle(4), "Indoor Temperature(°C)");
    EXPECT_EQ(List().CellText(0, 1), "06-03-2024 10:00");
    // Two years of five-minute records number six digits, which the first column shows whole.
    EXPECT_GE(List().ColumnWidth(0), List().fontMetrics().horizontalAdvance("888888") + 8);
}

TEST_F(HistoryDlgTest, APickerChangeSelectsUserDefinedAndMovesNoOtherPicker) {
    Open("2024-03-06 10:05:30");
    ChooseRange(2);
    auto* startTime = dialog->GetDlgItem<QDateTimeEdit>(IDC_HISTORY_START_TIME);

    startTime->setTime(QTime(7, 15, 0));

    EXPECT_EQ(dialog->GetCurSel(IDC_HISTORY_RANGE), 4);
    EXPECT_EQ(Start(), "2024-03-03 07:15:00");
    EXPECT_EQ(End(), "2024-03-06 10:05:30");
}

// ---- Search and refresh ----------------------------------------------------------------------

TEST_F(HistoryDlgTest, AStartAfterTheEndIsRefusedAndTheListStaysAsItWas) {
    StoreRecords("2024-03-06 09:30:00", 10);
    Open("2024-03-06 10:05:30");
    dialog->GetDlgItem<QDateTimeEdit>(IDC_HISTORY_START_TIME)->setTime(QTime(10, 5, 31));

    Click(IDC_HISTORY_SEARCH);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "End time earlier than start time!");
    EXPECT_EQ(boxes[0].caption, "Talvorin");
    EXPECT_EQ(boxes[0].style, static_cast<unsigned>(kMbOk));
    EXPECT_EQ(Numbers(), "7 8");
}

TEST_F(HistoryDlgTest, AStartEqualToTheEndIsASearch) {
    StoreRecords("2024-03-06 09:30:00", 10);
    Open("2024-03-06 10:05:30");
    auto* startTime = dialog->GetDlgItem<QDateTimeEdit>(IDC_HISTORY_START_TIME);
    auto* endTime = dialog->GetDlgItem<QDateTimeEdit>(IDC_HISTORY_END_TIME);
    startTime->setTime(QTime(9, 45, 0));
    endTime->setTime(QTime(9, 45, 0));

    Click(IDC_HISTORY_SEARCH);

    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Numbers(), "4");
}

TEST_F(HistoryDlgTest, RefreshSearchesTheLastSpanAgainWithoutReadingThePickers) {
    StoreRecords("2024-03-06 09:30:00", 6); // up to 09:55: none in the current hour
    Open("2024-03-06 10:05:30");
    ASSERT_EQ(List().RowCount(), 0);
    ChooseRange(1); // the pickers say since midnight, but no search was made
    StoreRecords("2024-03-06 09:30:00", 10);

    Click(IDC_HISTORY_REFRESH);

    EXPECT_EQ(Numbers(), "7 8");
    EXPECT_EQ(List().verticalScrollBar()->value(), List().verticalScrollBar()->maximum());
}

// Garbage in place of line 300 and line 301 cut short after its times: no row shows the
// garbage, record 301 shows "---" for all its line lacks (not record 299's values), and the file
// keeps both lines as they are.
TEST_F(HistoryDlgTest, ADamagedLineShowsNoRowAndACutLineShowsOnlyWhatItHolds) {
    const std::string damaged = StoreDamagedRecords();
    Open("2024-03-06 11:05:30");
    ChooseRange(1);
    Click(IDC_HISTORY_SEARCH);

    const std::string numbers = Numbers();
    EXPECT_EQ(numbers.substr(numbers.find("297")), "297 298 299 301 302");
    EXPECT_EQ(numbers.find("this"), std::string::npos);
    const int row = List().RowCount() - 2;
    ASSERT_EQ(List().CellText(row, 0), "301");
    EXPECT_EQ(List().CellText(row, 1), "06-03-2024 11:00");
    for (int column = 2; column <= 22; ++column)
        EXPECT_EQ(List().CellText(row, column), "---") << "column " << column;
    EXPECT_EQ(List().CellText(row - 1, 4), "22.5"); // record 299's own
    EXPECT_EQ(List().CellText(row + 1, 4), "18.5");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Bytes(), damaged);
}

// ---- Delete, Clear Data, Clear Memory ----------------------------------------------------

TEST_F(HistoryDlgTest, ClearDataEmptiesFileAndListOnYesOnly) {
    StoreRecords("2024-03-06 09:30:00", 10);
    Open("2024-03-06 10:05:30");
    const std::string stored = Bytes();

    answer = kIdNo;
    Click(IDC_HISTORY_CLEAR_DATA);
    EXPECT_EQ(Bytes(), stored);
    EXPECT_EQ(Numbers(), "7 8");

    answer = kIdYes;
    Click(IDC_HISTORY_CLEAR_DATA);
    EXPECT_EQ(Bytes(), "");
    EXPECT_EQ(List().RowCount(), 0);
    ASSERT_EQ(boxes.size(), 2u);
    for (const MessageBoxRequest& box : boxes) {
        EXPECT_EQ(box.text, "Do you want to clear all data on PC?");
        EXPECT_EQ(box.caption, "Operation Notify");
        EXPECT_EQ(box.style, static_cast<unsigned>(kMbYesNo | kMbIconQuestion));
    }
}

// A data file that may be read but not written (a backup copy, a read-only mount) is searched
// and listed as any other.
TEST_F(HistoryDlgTest, AFileThatCannotBeWrittenIsListed) {
    StoreRecords("2024-03-06 09:30:00", 10);
    const ScopedUnwritableFiles unwritable;
    Open("2024-03-06 10:05:30");
    EXPECT_EQ(Numbers(), "7 8");
    ChooseRange(1);
    Click(IDC_HISTORY_SEARCH);
    EXPECT_EQ(Numbers(), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(List().CellText(7, 1), "06-03-2024 10:05");
    EXPECT_TRUE(boxes.empty());
}

// Takes the data file from the dialog's writers; the result gives it back.
struct HeldFileCase {
    const char* name;
    std::function<std::function<void()>()> hold;
};

class HistoryHeldFileTest : public HistoryDlgTest,
                            public testing::WithParamInterface<HeldFileCase> {};

// While the data file stays busy, or may not be written, nothing changes, in the file or in the
// list, and the user is told so.
TEST_P(HistoryHeldFileTest, ClearAndDeleteChangeNothingAndSaySo) {
    StoreRecords("2024-03-06 09:30:00", 10);
    Open("2024-03-06 10:05:30");
    const std::string stored = Bytes();
    dialog->ShowDlgItem(IDC_HISTORY_DELETE, true);
    dialog->EnableDlgItem(IDC_HISTORY_DELETE, true);
    List().selectRow(1);
    const std::function<void()> giveBack = GetParam().hold();

    Click(IDC_HISTORY_CLEAR_DATA);
    Click(IDC_HISTORY_DELETE);

    giveBack();
    EXPECT_EQ(Bytes(), stored);
    EXPECT_EQ(Numbers(), "7 8");
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[1].text, "The data file is busy or cannot be written! Nothing was changed.");
    EXPECT_EQ(boxes[3].text, "The data file is busy or cannot be written! Nothing was changed.");
}

INSTANTIATE_TEST_SUITE_P(
    Holders, HistoryHeldFileTest,
    testing::Values(HeldFileCase{"BusyFlag",
                                 [] {
                                     g_fdb.m_busy = true;
                                     return std::function<void()>([] { g_fdb.m_busy = false; });
                                 }},
                    HeldFileCase{"Unwritable",
                                 [] {
                                     auto unwritable = std::make_shared<ScopedUnwritableFiles>();
                                     return std::function<void()>(
                                         [unwritable]() mutable { unwritable.reset(); });
                                 }}),
    [](const testing::TestParamInfo<HeldFileCase>& info) { return info.param.name; });

// The hidden Delete, when shown, takes the selected records from the file and then the list.
TEST_F(HistoryDlgTest, DeleteTakesTheSelectedRecordsFromFileAndList) {
    StoreRecords("2024-03-06 09:30:00", 10);
    Open("2024-03-06 10:05:30");
    ChooseRange(1);
    Click(IDC_HISTORY_SEARCH);
    ASSERT_EQ(Numbers(), "1 2 3 4 5 6 7 8");
    dialog->ShowDlgItem(IDC_HISTORY_DELETE, true);
    dialog->EnableDlgItem(IDC_HISTORY_DELETE, true);
    for (int row : {1, 4, 5})
        List().selectionModel()->select(List().model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);

    answer = kIdNo;
    Click(IDC_HISTORY_DELETE);
    EXPECT_EQ(Numbers(), "1 2 3 4 5 6 7 8");

    answer = kIdYes;
    Click(IDC_HISTORY_DELETE);
    EXPECT_EQ(Numbers(), "1 3 4 7 8");
    CWeatherRecordArray left;
    LoadAllRecords(left);
    std::string numbers;
    for (const CWeatherRecord& record : left)
        numbers += record.recordNo + " ";
    EXPECT_EQ(numbers, "1 3 4 7 8 9 10 ");
    EXPECT_EQ(boxes.back().text, "Do you want to delete selected items?");
}

TEST_F(HistoryDlgTest, ClearMemoryWritesTheConsolesRecordCount) {
    Open("2024-03-06 10:05:30");
    g_simMemory[0x1B] = 0x34;
    g_simMemory[0x1C] = 0x02;
    g_simMemory[0x1A] = 0x00;

    answer = kIdNo;
    Click(IDC_HISTORY_CLEAR_MEMORY);
    EXPECT_EQ(g_simMemory[0x1B], 0x34);

    answer = kIdYes;
    Click(IDC_HISTORY_CLEAR_MEMORY);
    EXPECT_EQ(g_simMemory[0x1B], 0x00);
    EXPECT_EQ(g_simMemory[0x1C], 0x00);
    EXPECT_EQ(g_simMemory[0x1A], 0xAA);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Do you want to clear memory on the device?");
    EXPECT_FALSE(g_weatherComm.m_busy);
}

TEST_F(HistoryDlgTest, ClearMemoryOnABusyConsoleWritesNothing) {
    Open("2024-03-06 10:05:30");
    g_simMemory[0x1B] = 0x34;
    g_weatherComm.m_busy = true;

    Click(IDC_HISTORY_CLEAR_MEMORY);

    EXPECT_EQ(g_simMemory[0x1B], 0x34);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Can't communicate with device!");
    EXPECT_TRUE(g_weatherComm.m_busy); // still the other holder's
}

TEST_F(HistoryDlgTest, ABusyConsoleAtOpeningClosesTheDialog) {
    g_weatherComm.m_busy = true;
    Open("2024-03-06 10:05:30");

    EXPECT_FALSE(opened);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Can't communicate with device!");
}

// ---- Failures of the console ----------------------------------------------------------------

// The dialog over a console played frame by frame, which can fail.
class HistoryDlgConsoleTest : public DataFileTest {
protected:
    HistoryDlgConsoleTest() {
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return kIdYes;
        });
        m_emulator.SetMemory(0, std::vector<std::uint8_t>(std::begin(g_simFixedBlockTemplate),
                                                          std::end(g_simFixedBlockTemplate)));
        EXPECT_TRUE(m_comm.Connect());
    }
    ~HistoryDlgConsoleTest() override { SetMessageBoxHook({}); }

    std::unique_ptr<CHistoryDlg> Open() {
        auto dialog = std::make_unique<CHistoryDlg>(nullptr, m_comm);
        EXPECT_TRUE(dialog->Create());
        return dialog;
    }

    ConsoleEmulator m_emulator;
    CWeatherComm m_comm{EmulatorLink(), kEmulatorIds};
    std::vector<MessageBoxRequest> boxes;
};

TEST_F(HistoryDlgConsoleTest, AFailedReadAtOpeningIsToldAndTheDialogWorksOn) {
    m_emulator.SetAttached(false);
    const auto dialog = Open();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Read weather setup data fail!");
    EXPECT_EQ(dialog->List().ColumnCount(), 36);
}

TEST_F(HistoryDlgConsoleTest, AFailedClearOfTheConsolesMemoryIsTold) {
    const auto dialog = Open();
    ASSERT_TRUE(boxes.empty());
    m_emulator.FailWrites(0, 1000);

    dialog->GetDlgItem<QAbstractButton>(IDC_HISTORY_CLEAR_MEMORY)->click();

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "The memory of the device could not be cleared!");
    EXPECT_FALSE(m_comm.m_busy);
}

// ---- Graph -----------------------------------------------------------------------------------

// The Graph button ends the dialog; its owner receives the graph command after that.
TEST_F(HistoryDlgTest, GraphEndsTheDialogAndThenAsksTheOwnerForTheGraph) {
    QWidget owner;
    CommandActions commands(owner);
    std::vector<int> received;
    bool receivedWhileOpen = false;
    QObject::connect(&commands, &CommandActions::Command, [&](int command) {
        received.push_back(command);
        receivedWhileOpen = receivedWhileOpen || (dialog && dialog->isVisible());
    });
    clock.emplace(TextToTime("2024-03-06 10:05:30"));
    dialog = std::make_unique<CHistoryDlg>(&owner);
    QTimer::singleShot(0, [&] { Click(IDC_HISTORY_GRAPH); });

    EXPECT_EQ(dialog->DoModal(), IDCANCEL);
    EXPECT_TRUE(received.empty());
    QApplication::processEvents();
    EXPECT_EQ(received, std::vector<int>{ID_RECORD_GRAPH});
    EXPECT_FALSE(receivedWhileOpen);
    dialog.reset(); // before its owner, which would take it along
}

// The frame's History command opens the dialog with the frame's saved range, which the dialog
// neither shows nor changes, and takes it back when the dialog has closed.
TEST_F(HistoryDlgTest, TheFramesHistoryCommandHandsTheSavedRangeThroughTheDialog) {
    clock.emplace(TextToTime("2024-03-06 10:05:30"));
    CMainFrame frame(g_weatherComm, MakeMainView<FakeMainView>);
    ASSERT_TRUE(frame.OnCreate());
    const time_t saved[] = {1268000000, 1268003600, 1268007200, 1268010800};
    frame.SaveRange(2, saved);
    int preset = -1;
    std::vector<time_t> handedIn;
    int rangeShown = -1;
    QTimer::singleShot(0, [&] {
        if (auto* history = qobject_cast<CHistoryDlg*>(QApplication::activeModalWidget())) {
            preset = history->m_rangePreset;
            handedIn.assign(std::begin(history->m_rangeTimes), std::end(history->m_rangeTimes));
            rangeShown = history->GetCurSel(IDC_HISTORY_RANGE);
            history->GetDlgItem<QAbstractButton>(IDCANCEL)->click();
        }
    });

    frame.Commands().Action(ID_RECORD_HISTORY)->trigger();

    EXPECT_EQ(preset, 2);
    EXPECT_EQ(handedIn, std::vector<time_t>(std::begin(saved), std::end(saved)));
    EXPECT_EQ(rangeShown, 0);
    time_t back[kRangeTimeCount] = {};
    ASSERT_TRUE(frame.LoadSavedRange(preset, back));
    EXPECT_EQ(preset, 2);
    EXPECT_TRUE(std::equal(std::begin(back), std::end(back), std::begin(saved)));
}

// ---- Resizing ------------------------------------------------------------------------------

TEST_F(HistoryDlgTest, ResizingGrowsTheListAndMovesTheBottomButtonsDown) {
    Open("2024-03-06 10:05:30");
    const auto place = [&](int id) { return dialog->GetDlgItem(id)->geometry(); };
    const QRect list = place(IDC_HISTORY_LIST);
    const QRect refresh = place(IDC_HISTORY_REFRESH);
    const QRect cancel = place(IDCANCEL);
    const QRect search = place(IDC_HISTORY_SEARCH);
    const QSize size = dialog->size();
    const auto resizeTo = [&](int width, int height) {
        dialog->setMinimumSize(0, 0);
        dialog->resize(width, height);
        QApplication::processEvents();
    };

    resizeTo(size.width() + 100, size.height() + 40);
    EXPECT_EQ(place(IDC_HISTORY_LIST), list.adjusted(0, 0, 100, 40));
    EXPECT_EQ(place(IDC_HISTORY_REFRESH), refresh.translated(0, 40));
    EXPECT_EQ(place(IDCANCEL), cancel.translated(0, 40));
    EXPECT_EQ(place(IDC_HISTORY_SEARCH), search);

    // Below 200 pixels nothing moves, and the size is not remembered.
    resizeTo(150, size.height() + 40);
    EXPECT_EQ(place(IDC_HISTORY_LIST), list.adjusted(0, 0, 100, 40));
    resizeTo(size.width(), 199);
    EXPECT_EQ(place(IDC_HISTORY_REFRESH), refresh.translated(0, 40));

    // Back at or above 200: moved by the difference to the last size that counted.
    resizeTo(size.width() + 50, size.height());
    EXPECT_EQ(place(IDC_HISTORY_LIST), list.adjusted(0, 0, 50, 0));
    EXPECT_EQ(place(IDC_HISTORY_REFRESH), refresh);
}

} // namespace

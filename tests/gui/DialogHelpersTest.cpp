#include "dialogs/ConsoleAccess.h"
#include "dialogs/OperationQuestion.h"
#include "dialogs/TimeSpanControls.h"
#include "dialogs/core/RangePreset.h"
#include "platform/qt/ComboSearch.h"
#include "platform/qt/DateTimePicker.h"
#include "platform/qt/Dialog.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/UiThread.h"
#include "station/link/WeatherComm.h"
#include "station/values/TimeText.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/ScopedValue.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QTest>

namespace {

// ---- Drop-down searches --------------------------------------------------------------------

class ComboSearchTest : public testing::Test {
protected:
    ComboSearchTest() {
        m_combo.addItems({"lux", "fc", "mm", "inch", "M/S", "m/s2"});
        m_combo.setCurrentIndex(1);
    }
    QComboBox m_combo;
};

TEST_F(ComboSearchTest, TheSelectStringSearchTakesTheFirstItemBeginningWithTheTextAfterTheStart) {
    EXPECT_EQ(FindString(m_combo, 0, "m"), 2);
    EXPECT_EQ(FindString(m_combo, 2, "m"), 4);   // from the item after the start
    EXPECT_EQ(FindString(m_combo, 4, "m/s"), 5); // ignoring case
    EXPECT_EQ(FindString(m_combo, 5, "LUX"), 0); // round to the first items
    EXPECT_EQ(FindString(m_combo, -1, "lux"), 0);
    EXPECT_EQ(FindString(m_combo, 3, "inch"), 3); // the start item itself comes last
    EXPECT_EQ(FindString(m_combo, 0, "knot"), -1);
    EXPECT_EQ(FindString(m_combo, 0, ""), 1);
}

TEST_F(ComboSearchTest, SelectingAStringThatIsNotThereKeepsTheSelection) {
    EXPECT_EQ(SelectString(m_combo, 0, "IN"), 3);
    EXPECT_EQ(m_combo.currentIndex(), 3);
    EXPECT_EQ(SelectString(m_combo, 0, "hPa"), -1);
    EXPECT_EQ(m_combo.currentIndex(), 3);
}

TEST_F(ComboSearchTest, TheExactFindWantsTheWholeTextIgnoringCase) {
    EXPECT_EQ(FindStringExact(m_combo, -1, "m/s"), 4);
    EXPECT_EQ(FindStringExact(m_combo, 4, "m/s"), 4);
    EXPECT_EQ(FindStringExact(m_combo, -1, "m/"), -1);
    QComboBox empty;
    EXPECT_EQ(FindStringExact(empty, -1, "m/s"), -1);
}

// ---- Picker formats ------------------------------------------------------------------------

TEST(PickerFormatTest, TheCustomFormatsBecomeQtsFormats) {
    EXPECT_EQ(PickerDisplayFormat("dd-MM-yyy"), "dd-MM-yyyy");
    EXPECT_EQ(PickerDisplayFormat("HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(PickerDisplayFormat("d.M.yy"), "d.M.yy");
    EXPECT_EQ(PickerDisplayFormat("dddd, MMMM dd yyyy"), "dddd, MMMM dd yyyy");
    EXPECT_EQ(PickerDisplayFormat("hh:mm tt"), "hh:mm AP");
    EXPECT_EQ(PickerDisplayFormat("'Day' d"), "'Day 'd");
    EXPECT_EQ(PickerDisplayFormat("'it''s' H"), "'it''s 'H");
}

TEST(PickerFormatTest, APickerShowsAndGivesBackTheLocalTimeAcrossADaylightSavingChange) {
    const ScopedTimeZone berlin("Europe/Berlin");
    QDateTimeEdit date, time;
    SetPickerFormat(date, "dd-MM-yyy");
    SetPickerFormat(time, "HH:mm:ss");
    for (const char* text : {"2024-03-31 01:59:59", "2024-03-31 03:00:00", "2024-10-27 02:30:00",
                             "2024-12-31 23:59:59"}) {
        const time_t moment = TextToTime(text);
        SetPickerTime(date, moment);
        SetPickerTime(time, moment);
        EXPECT_EQ(PickerTime(time), moment) << text;
        EXPECT_EQ(date.text().toStdString(), std::string(text, 8, 2) + "-" +
                                                 std::string(text, 5, 2) + "-" +
                                                 std::string(text, 0, 4));
        EXPECT_EQ(time.text().toStdString(), std::string(text + 11));
    }
}

// ---- Range presets -------------------------------------------------------------------------

struct PresetCase {
    const char* now;
    int preset;
    const char* start;
};

TEST(RangePresetTest, PresetsStartAtCalendarBoundariesInLocalTime) {
    const ScopedTimeZone berlin("Europe/Berlin");
    const PresetCase cases[] = {
        {"2024-03-05 10:05:00", kRangeHour, "2024-03-05 10:00:00"},
        {"2024-03-05 10:05:00", kRangeDay, "2024-03-05 00:00:00"},
        {"2024-03-10 10:05:00", kRangeWeek, "2024-03-10 00:00:00"}, // a Sunday
        {"2024-03-09 23:59:59", kRangeWeek, "2024-03-03 00:00:00"}, // a Saturday
        // The week of the change to summer time is one hour short: still its Sunday.
        {"2024-04-06 00:30:00", kRangeWeek, "2024-03-31 00:00:00"},
        {"2024-10-27 02:30:00", kRangeDay, "2024-10-27 00:00:00"},
        {"2024-03-31 23:10:00", kRangeMonth, "2024-03-01 00:00:00"},
        {"2024-03-05 10:05:00", kRangeUserDefined, "2024-03-05 10:05:00"},
        {"2024-03-05 10:05:00", -1, "2024-03-05 10:05:00"},
    };
    for (const PresetCase& c : cases) {
        EXPECT_EQ(FormatRecordTime(RangePresetStart(c.preset, TextToTime(c.now))), c.start)
            << c.now << " preset " << c.preset;
    }
}

// ---- The time-span controls of the history and graph dialogs ---------------------------------

class SpanDlg : public CDialog {
public:
    explicit SpanDlg(CTimeSpanControls::UserDefined rule)
        : CDialog(9003, nullptr), span(*this, rule) {
        On(Notification::kSelChange, CTimeSpanControls::kRangeCombo, [this] { ++presetChanges; });
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        span.SetUp();
        return true;
    }
    CTimeSpanControls span;
    int presetChanges = 0;
};

class TimeSpanControlsTest : public testing::Test {
protected:
    ScopedTimeZone m_zone{"Europe/Berlin"};
    ScopedValue<int> m_lang{g_lang, 0};
};

TEST_F(TimeSpanControlsTest, APresetSetsBothStartPickersAndEndsNow) {
    SpanDlg dialog(CTimeSpanControls::UserDefined::kSetsNow);
    dialog.Create();
    dialog.SetCurSel(CTimeSpanControls::kRangeCombo, kRangeHour);
    dialog.span.ApplyRangePreset(TextToTime("2024-03-05 10:05:00"));
    EXPECT_EQ(dialog.span.StartText(), "2024-03-05 10:00:00");
    EXPECT_EQ(dialog.span.EndText(), "2024-03-05 10:05:00");
    EXPECT_EQ(dialog.span.StartTime(), TextToTime("2024-03-05 10:00:00"));
    EXPECT_EQ(dialog.GetDlgItemText(CTimeSpanControls::kStartDate), "05-03-2024");
    EXPECT_EQ(dialog.GetDlgItemText(CTimeSpanControls::kEndTime), "10:05:00");
}

TEST_F(TimeSpanControlsTest, UserDefinedSetsNowForTheHistoryAndKeepsThePickersForTheGraph) {
    const time_t before = TextToTime("2024-03-05 10:05:00");
    const time_t now = TextToTime("2024-03-06 08:00:00");
    for (const auto rule : {CTimeSpanControls::UserDefined::kSetsNow,
                            CTimeSpanControls::UserDefined::kKeepsPickers}) {
        SpanDlg dialog(rule);
        dialog.Create();
        dialog.SetCurSel(CTimeSpanControls::kRangeCombo, kRangeDay);
        dialog.span.ApplyRangePreset(before);
        dialog.SetCurSel(CTimeSpanControls::kRangeCombo, kRangeUserDefined);
        dialog.span.ApplyRangePreset(now);
        const bool setsNow = rule == CTimeSpanControls::UserDefined::kSetsNow;
        EXPECT_EQ(dialog.span.StartText(), setsNow ? "2024-03-06 08:00:00" : "2024-03-05 00:00:00");
        EXPECT_EQ(dialog.span.EndText(), setsNow ? "2024-03-06 08:00:00" : "2024-03-05 10:05:00");
    }
}

TEST_F(TimeSpanControlsTest, EditingAPickerSelectsUserDefinedQuietlyAndMovesNoOtherPicker) {
    SpanDlg dialog(CTimeSpanControls::UserDefined::kSetsNow);
    dialog.Create();
    dialog.show();
    dialog.SetCurSel(CTimeSpanControls::kRangeCombo, kRangeWeek);
    dialog.span.ApplyRangePreset(TextToTime("2024-03-07 12:00:00"));
    auto* startTime = dialog.GetDlgItem<QDateTimeEdit>(CTimeSpanControls::kStartTime);
    startTime->setFocus();
    startTime->setCurrentSection(QDateTimeEdit::HourSection);
    QTest::keyClick(startTime, Qt::Key_Up);

    EXPECT_EQ(dialog.GetCurSel(CTimeSpanControls::kRangeCombo), kRangeUserDefined);
    EXPECT_EQ(dialog.presetChanges, 0);
    EXPECT_EQ(dialog.span.StartText(), "2024-03-03 01:00:00");
    EXPECT_EQ(dialog.span.EndText(), "2024-03-07 12:00:00");
}

TEST_F(TimeSpanControlsTest, TheResizeRuleIgnoresSmallSizesAndThenMovesByTheDifference) {
    SpanDlg dialog(CTimeSpanControls::UserDefined::kSetsNow);
    CGrowBelowResize rule(1025, {IDCANCEL});
    QWidget* list = dialog.GetDlgItem(1025);
    QWidget* cancel = dialog.GetDlgItem(IDCANCEL);
    const QRect listAt = list->geometry();
    const QRect cancelAt = cancel->geometry();
    const QRect searchAt = dialog.GetDlgItem(3)->geometry();

    rule.OnSize(dialog, 150, 400); // too narrow: not even remembered
    rule.OnSize(dialog, 600, 400); // remembered
    EXPECT_EQ(list->geometry(), listAt);
    rule.OnSize(dialog, 199, 120);
    EXPECT_EQ(list->geometry(), listAt);
    rule.OnSize(dialog, 700, 450);
    EXPECT_EQ(list->geometry(), listAt.adjusted(0, 0, 100, 50));
    EXPECT_EQ(cancel->geometry(), cancelAt.translated(0, 50));
    EXPECT_EQ(dialog.GetDlgItem(3)->geometry(), searchAt);
    EXPECT_EQ(dialog.GetDlgItem(3)->geometry().topLeft(),
              QPoint(dialog.GetDlgItem(3)->x(), dialog.GetDlgItem(3)->y()));
}

// ---- The dialogs' console access and confirmation question ---------------------------------

// A dialog of the tests' own, with the messages it shows collected instead of shown.
class ConsoleAccessTest : public testing::Test {
protected:
    ConsoleAccessTest() {
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            m_requests.push_back(request);
            return m_answer;
        });
    }
    ~ConsoleAccessTest() override { SetMessageBoxHook({}); }

    ScopedValue<int> m_lang{g_lang, 0};
    CWeatherComm m_comm{std::make_unique<CUsbDevice>("no-such-module.so")};
    CDialog m_dialog{9001, nullptr};
    std::vector<MessageBoxRequest> m_requests;
    MessageBoxAnswer m_answer = kIdOk;
};

TEST_F(ConsoleAccessTest, TheBusyWaitHandlesTheHoldersCallsAndTakesTheFlagWhenItIsFree) {
    m_dialog.Create();
    std::atomic<bool> held = false;
    std::atomic<bool> delivered = false;
    std::thread holder([&] {
        const CBusyGuard busy = WaitAndTakeDevice(m_comm, 0);
        held = true;
        // A status text sent to the user-interface thread while the flag is held.
        RunOnUiThread([&] { delivered = true; });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    while (!held)
        std::this_thread::yield();

    const auto start = std::chrono::steady_clock::now();
    {
        const CConsoleAccess console(m_dialog, m_comm);
        const auto waited = std::chrono::steady_clock::now() - start;
        holder.join();
        EXPECT_TRUE(console.IsTaken());
        EXPECT_TRUE(m_comm.m_busy);
        EXPECT_LT(waited, std::chrono::milliseconds(2500));
    }
    EXPECT_TRUE(delivered);
    EXPECT_TRUE(m_requests.empty());
    EXPECT_FALSE(m_comm.m_busy); // cleared when the access went
}

TEST_F(ConsoleAccessTest, TheBusyWaitGivesUpAfterThreeSecondsAndSaysItCannotCommunicate) {
    m_comm.m_busy = true;
    const auto start = std::chrono::steady_clock::now();
    {
        const CConsoleAccess console(m_dialog, m_comm);
        EXPECT_FALSE(console.IsTaken());
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(2900));
    EXPECT_LT(waited, std::chrono::milliseconds(4500));
    EXPECT_TRUE(m_comm.m_busy); // still the other holder's
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0].text, "Can't communicate with device!");
    EXPECT_EQ(m_requests[0].style, kMbOk);
}

TEST_F(ConsoleAccessTest, AQuietAccessGivesUpWithoutAWord) {
    m_comm.m_busy = true;
    {
        const CConsoleAccess console(m_dialog, m_comm, std::nullopt);
        EXPECT_FALSE(console.IsTaken());
    }
    EXPECT_TRUE(m_requests.empty());
    EXPECT_TRUE(m_comm.m_busy);
}

TEST_F(ConsoleAccessTest, TheConfirmationAsksYesOrNoUnderOperationNotifyAndTakesOnlyYes) {
    m_answer = kIdYes;
    EXPECT_TRUE(ConfirmOperation(m_dialog, kTextResetQuestion));
    m_answer = kIdNo;
    EXPECT_FALSE(ConfirmOperation(m_dialog, kTextInitQuestion));
    ASSERT_EQ(m_requests.size(), 2u);
    EXPECT_EQ(m_requests[0].text, "Are you sure to reset min/max records on the device?");
    EXPECT_EQ(m_requests[1].text, "Do you want init setup?");
    for (const MessageBoxRequest& request : m_requests) {
        EXPECT_EQ(request.caption, "Operation Notify");
        EXPECT_EQ(request.style, kMbYesNo | kMbIconQuestion);
    }
}

} // namespace

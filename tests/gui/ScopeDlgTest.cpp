#include "dialogs/ScopeDlg.h"

#include "resources/ResourceIds.h"
#include "station/console/MinMaxReset.h"
#include "station/values/TimeText.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "tests/core/FixedClock.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/gui/ConsoleDialogFixture.h"

#include <array>

namespace {

using S = CWeatherSettings;

// The console's history pointer and record count, which move on while the dialog is open.
std::array<std::uint8_t, 5> HistoryBytes() {
    std::array<std::uint8_t, 5> bytes;
    std::copy_n(g_simMemory + 0x1B, bytes.size(), bytes.begin());
    return bytes;
}

class ScopeDlgTest : public ConsoleDialogTest {
protected:
    void Open() {
        m_opened = ConsoleSettings();
        ConsoleDialogTest::Open(dialog);
    }
    bool Reset() { return ClickEndsWithOk(dialog, IDC_SCOPE_RESET); }
    // The reading the dialog took at opening, as a reset stores it.
    CWeatherRecord Reading(const S& block) {
        CWeatherRecord record;
        EXPECT_TRUE(g_weatherComm.ReadRecordAt(ReadInt(m_opened.historyStackAddr), record, true));
        return ReadingForMinMaxReset(record, block);
    }

    ScopedTimeZone m_zone{"UTC0"};
    FixedClock m_clock{TextToTime("2026-12-08 22:41:07")};
    S m_opened;
    CScopeDlg dialog;
};

TEST_F(ScopeDlgTest, ShowsEveryRecordInDisplayUnitsWithItsTime) {
    ChangeConsole([](S& s) {
        s.windUnit = kUnitMs;
        s.indHumiMax = "70";
        s.indTempMax = "250";
        s.relPresMin = "9950";
        s.windMax = "123";
        s.uvMax = "7";
        s.dewpointMinTime = "2000-00-00 00:00";
        s.relPresMinTime = "2026-11-30 07:05";
    });
    Open();
    EXPECT_EQ(dialog.GetDlgItemText(IDC_INDOOR_HUMIDITY_MAX), "70 %");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_INDOOR_TEMPERATURE_MAX), "25.0 \xC2\xB0"
                                                                 "C");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_RELATIVE_PRESSURE_MIN), "995.0 hPa");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_SPEED_MAX), "12.3 m/s");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UV_MAX), "7 ");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SCOPE_TIME_RELATIVE_PRESSURE_MIN), "30-11-2026 07:05");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SCOPE_TIME_DEWPOINT_MIN), "---");
    EXPECT_TRUE(dialog.GetDlgItem(IDC_SCOPE_RESET)->isEnabled());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ScopeDlgTest, ResetWithNoBoxAsksToChooseAndWritesNothing) {
    Open();
    const FixedBlock before = ConsoleBlock();
    EXPECT_FALSE(Reset());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select items at first!");
    EXPECT_EQ(boxes[0].caption, "Operation Notify");
    EXPECT_EQ(boxes[0].style, kMbOk | kMbIconInformation);
    EXPECT_EQ(ConsoleBlock(), before);
}

TEST_F(ScopeDlgTest, ResetChangesOnlyTheChosenRecordsOfTheBlockAsItIsNow) {
    Open();
    dialog.CheckDlgButton(IDC_SCOPE_RESET_INDOOR_TEMPERATURE_MAX, 1);
    dialog.CheckDlgButton(IDC_SCOPE_RESET_DEWPOINT_MIN, 1);
    // The console went on meanwhile: the reset must not wind its history back.
    const S now = ConsoleSettings();
    const auto history = HistoryBytes();
    ASSERT_NE(now.historyRecords, m_opened.historyRecords);
    ASSERT_TRUE(Reset());

    // What the console held when the reset read it, not what it held at opening.
    EXPECT_EQ(HistoryBytes(), history);
    const S saved = ConsoleSettings();
    const CWeatherRecord reading = Reading(now);
    EXPECT_EQ(saved.indTempMax, std::to_string(ReadInt(reading.indTemp)));
    EXPECT_EQ(saved.indTempMaxTime, "2026-12-08 22:41");
    EXPECT_EQ(saved.dewpointMin, std::to_string(ReadInt(reading.dewPoint)));
    EXPECT_EQ(saved.dewpointMinTime, "2026-12-08 22:41");
    EXPECT_EQ(saved.indTempMin, now.indTempMin);
    EXPECT_EQ(saved.indTempMinTime, now.indTempMinTime);
    EXPECT_EQ(saved.dewpointMax, now.dewpointMax);
    EXPECT_EQ(g_simMemory[0x1A], 0xAA);
}

TEST_F(ScopeDlgTest, AllOnResetsEveryRecordAndTheRainMaximaToZero) {
    Open();
    Click(dialog, IDC_ALL_ON);
    ASSERT_TRUE(Reset());
    const S saved = ConsoleSettings();
    for (const std::string* rain : {&saved.hourRainMax, &saved.dayRainMax, &saved.weekRainMax,
                                    &saved.monthRainMax, &saved.totalRainMax})
        EXPECT_EQ(*rain, "0");
    for (const std::string* time :
         {&saved.indHumiMaxTime, &saved.outHumiMinTime, &saved.windchillMaxTime,
          &saved.relPresMinTime, &saved.gustMaxTime, &saved.uvMaxTime, &saved.lightmeterMaxTime,
          &saved.totalRainMaxTime})
        EXPECT_EQ(*time, "2026-12-08 22:41");
}

TEST_F(ScopeDlgTest, AllOffClearsTheBoxes) {
    Open();
    Click(dialog, IDC_ALL_ON);
    Click(dialog, IDC_ALL_OFF);
    EXPECT_FALSE(Reset());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Please select items at first!"});
}

} // namespace

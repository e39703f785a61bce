#include "dialogs/AlarmDlg.h"

#include "resources/ResourceIds.h"
#include "station/values/UnitNames.h"
#include "tests/core/ScopedNumericLocale.h"
#include "tests/gui/ConsoleDialogFixture.h"
#include "texts/OwnTexts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using S = CWeatherSettings;

class AlarmDlgTest : public ConsoleDialogTest {
protected:
    AlarmDlgTest() {
        ChangeConsole([](S& s) {
            s.windUnit = kUnitMs;
            s.indTempHighAlarm = "300";
            s.indTempLowAlarm = "-55";
            s.relPresHighAlarm = "10400";
            s.hourRainAlarm = "100";
            s.windAlarm = "100";
            s.windsLevelAlarm = "5";
            s.indHumiHighAlarm = "65";
            s.windDirAlarm = "3";
            s.timeAlarmHour = "07";
            s.timeAlarmMinute = "30";
            s.uvHighAlarm = "05";
        });
    }
    void Open() { ConsoleDialogTest::Open(dialog); }
    bool Save() { return ClickEndsWithOk(dialog, IDC_SAVE); }
    std::string Text(int id) const { return dialog.GetDlgItemText(id); }

    CAlarmDlg dialog;
};

TEST_F(AlarmDlgTest, OpensWithTheThresholdsInDisplayUnits) {
    Open();
    EXPECT_EQ(Text(IDC_ALARM_INDOOR_TEMPERATURE_HIGH), "30.0");
    EXPECT_EQ(Text(IDC_ALARM_INDOOR_TEMPERATURE_LOW), "-5.5");
    EXPECT_EQ(Text(IDC_ALARM_RELATIVE_PRESSURE_HIGH), "1040.0");
    EXPECT_EQ(Text(IDC_ALARM_RAIN_HOUR), "10.0");
    EXPECT_EQ(Text(IDC_ALARM_INDOOR_HUMIDITY_HIGH), "65");
    EXPECT_EQ(Text(IDC_ALARM_WIND_LEVEL), "5");
    EXPECT_EQ(Text(IDC_ALARM_HOUR), "07");
    EXPECT_EQ(dialog.GetCurSel(IDC_ALARM_WIND_DIRECTION), 3);
    EXPECT_EQ(Text(IDC_ALARM_WIND_DIRECTION), "NEE");
    EXPECT_EQ(Text(IDC_ALARM_INDOOR_TEMPERATURE_HIGH_UNIT), std::string(kUnitCelsius));
    EXPECT_EQ(Text(IDC_ALARM_DEWPOINT_LOW_UNIT), std::string(kUnitCelsius));
    EXPECT_EQ(Text(IDC_ALARM_RELATIVE_PRESSURE_LOW_UNIT), "hPa");
    EXPECT_EQ(Text(IDC_ALARM_WIND_SPEED_UNIT), "m/s");
    EXPECT_EQ(Text(IDC_ALARM_GUST_LEVEL_UNIT), "bft");
    EXPECT_EQ(Text(IDC_ALARM_OUTDOOR_HUMIDITY_LOW_UNIT), "%");
    EXPECT_EQ(Text(IDC_ALARM_RAIN_DAY_UNIT), "mm");
    EXPECT_EQ(Text(IDC_ALARM_LIGHT_UNIT), "lux");
    EXPECT_EQ(Text(IDC_ALARM_UV_UNIT), "");
    EXPECT_TRUE(dialog.GetDlgItem(IDC_SAVE)->isEnabled());
}

TEST_F(AlarmDlgTest, SaveStoresTheTypedThresholdsScaled) {
    Open();
    Type(dialog, IDC_ALARM_RELATIVE_PRESSURE_HIGH, "1013.2");
    Type(dialog, IDC_ALARM_INDOOR_TEMPERATURE_LOW, "-5.5");
    Type(dialog, IDC_ALARM_RAIN_HOUR, "10.0");
    Type(dialog, IDC_ALARM_OUTDOOR_HUMIDITY_HIGH, "65");
    Type(dialog, IDC_ALARM_HOUR, "7");
    Type(dialog, IDC_ALARM_UV, "5");
    Pick(dialog, IDC_ALARM_WIND_DIRECTION, "SW");
    ASSERT_TRUE(Save());
    const S saved = ConsoleSettings();
    EXPECT_EQ(saved.relPresHighAlarm, "10132");
    EXPECT_EQ(saved.indTempLowAlarm, "-55");
    EXPECT_EQ(saved.hourRainAlarm, "100");
    EXPECT_EQ(saved.outHumiHighAlarm, "65");
    EXPECT_EQ(saved.timeAlarmHour, "07");
    EXPECT_EQ(g_simMemory[0x5C], 5);
    EXPECT_EQ(saved.windDirAlarm, "10");
    // What the dialog does not hold is written back as read.
    EXPECT_EQ(saved.windUnit, kUnitMs);
    EXPECT_EQ(saved.relPres, "10132");
    EXPECT_EQ(g_simMemory[0x1A], 0xAA);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Do you want save?"});
}

TEST_F(AlarmDlgTest, HundredthsForInchesOfMercuryAndInches) {
    ChangeConsole([](S& s) {
        s.presUnit = kUnitInHg;
        s.rainUnit = kUnitInch;
        s.relPresHighAlarm = "3071";
        s.relPresLowAlarm = "2900";
        s.absPresHighAlarm = "3071";
        s.absPresLowAlarm = "2900";
        s.hourRainAlarm = "39";
        s.dayRainAlarm = "100";
    });
    Open();
    EXPECT_EQ(Text(IDC_ALARM_RELATIVE_PRESSURE_HIGH), "30.71");
    Type(dialog, IDC_ALARM_RELATIVE_PRESSURE_HIGH, "29.92");
    Type(dialog, IDC_ALARM_RAIN_HOUR, "0.39");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().relPresHighAlarm, "2992");
    EXPECT_EQ(ConsoleSettings().hourRainAlarm, "39");
}

TEST_F(AlarmDlgTest, NoDirectionIsStoredAsMinusOne) {
    // A direction the list does not hold.
    ChangeConsole([](S& s) { s.windDirAlarm = "16"; });
    Open();
    EXPECT_EQ(dialog.GetCurSel(IDC_ALARM_WIND_DIRECTION), -1);
    ASSERT_TRUE(Save());
    EXPECT_EQ(g_simMemory[0x52], 0xFF);
}

TEST_F(AlarmDlgTest, TemperatureLimitsFollowTheUnitRead) {
    ChangeConsole([](S& s) {
        s.indTempUnit = kUnitFahrenheit;
        s.indTempHighAlarm = "860";
        s.indTempLowAlarm = "320";
    });
    Open();
    for (const char* refused : {"141", "-41", "warm"}) {
        boxes.clear();
        Type(dialog, IDC_ALARM_INDOOR_TEMPERATURE_HIGH, refused);
        EXPECT_FALSE(Save()) << refused;
        ASSERT_EQ(boxes.size(), 1u) << refused;
        EXPECT_FALSE(boxes[0].style & kMbYesNo) << "refused before the question";
    }
    Type(dialog, IDC_ALARM_INDOOR_TEMPERATURE_HIGH, "140");
    Type(dialog, IDC_ALARM_INDOOR_TEMPERATURE_LOW, "-40");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().indTempHighAlarm, "1400");
    EXPECT_EQ(ConsoleSettings().indTempLowAlarm, "-400");
}

TEST_F(AlarmDlgTest, WholeNumberThresholdsHaveTheirRanges) {
    Open();
    const struct {
        int id;
        const char* refused;
    } cases[] = {{IDC_ALARM_HOUR, "24"},
                 {IDC_ALARM_MINUTE, "60"},
                 {IDC_ALARM_INDOOR_HUMIDITY_LOW, "0"},
                 {IDC_ALARM_WIND_LEVEL, "13"},
                 {IDC_ALARM_UV, "16"},
                 {IDC_ALARM_UV, "0"}};
    for (const auto& c : cases) {
        const std::string kept = Text(c.id);
        Type(dialog, c.id, c.refused);
        EXPECT_FALSE(Save()) << c.id << " " << c.refused;
        Type(dialog, c.id, kept);
    }
    EXPECT_TRUE(Save());
}

TEST_F(AlarmDlgTest, SpeedAndBeaufortLevelFollowEachOther) {
    Open();
    Leave(dialog, IDC_ALARM_WIND_SPEED);
    EXPECT_EQ(Text(IDC_ALARM_WIND_LEVEL), "5") << "an edit the user never typed in acts not";
    Type(dialog, IDC_ALARM_WIND_SPEED, "20.0");
    Leave(dialog, IDC_ALARM_WIND_SPEED);
    EXPECT_EQ(Text(IDC_ALARM_WIND_LEVEL), "8");
    Type(dialog, IDC_ALARM_GUST_LEVEL, "3");
    Leave(dialog, IDC_ALARM_GUST_LEVEL);
    EXPECT_EQ(Text(IDC_ALARM_GUST_SPEED), "5.4");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().windsLevelAlarm, "8");
    EXPECT_EQ(ConsoleSettings().gustAlarm, "54");
}

// A speed typed after its level, in a wind unit whose conversion rounds: the level follows the
// speed, and leaving either edit again recomputes nothing, so Save stores the speed as typed.
struct TypedPartners {
    const char* unit;
    int speedEdit;
    int levelEdit;
    std::size_t speedByte; // the stored speed, tenths in the unit, low byte first
    std::size_t levelByte;
    const char* speed;
    std::uint8_t speedBytes[2];
    const char* level; // the level the speed gave
};

TEST_F(AlarmDlgTest, SaveStoresTheSpeedTypedLastAndItsLevel) {
    const TypedPartners cases[] = {
        {"km/h", IDC_ALARM_WIND_SPEED, IDC_ALARM_WIND_LEVEL, 0x4D, 0x4C, "20.0", {0xC8, 0x00}, "4"},
        {"mph", IDC_ALARM_WIND_SPEED, IDC_ALARM_WIND_LEVEL, 0x4D, 0x4C, "20.0", {0xC8, 0x00}, "5"},
        {"bft", IDC_ALARM_WIND_SPEED, IDC_ALARM_WIND_LEVEL, 0x4D, 0x4C, "3", {0x1E, 0x00}, "3"},
        {"km/h", IDC_ALARM_GUST_SPEED, IDC_ALARM_GUST_LEVEL, 0x50, 0x4F, "30.0", {0x2C, 0x01}, "5"},
        {"mph", IDC_ALARM_GUST_SPEED, IDC_ALARM_GUST_LEVEL, 0x50, 0x4F, "45.5", {0xC7, 0x01}, "8"},
    };
    ForEachNumericLocale([&](const std::string& locale) {
        for (const TypedPartners& c : cases) {
            ChangeConsole([&](S& s) {
                s.windUnit = c.unit;
                s.windAlarm = "100";
                s.gustAlarm = "100";
            });
            CAlarmDlg alarm;
            ConsoleDialogTest::Open(alarm);
            Type(alarm, c.levelEdit, "6");
            Leave(alarm, c.levelEdit);
            Type(alarm, c.speedEdit, c.speed);
            Leave(alarm, c.speedEdit);
            EXPECT_EQ(alarm.GetDlgItemText(c.levelEdit), c.level) << c.unit << " " << locale;
            // Save takes the focus from the level the speed filled; the speed is left again.
            Leave(alarm, c.levelEdit);
            Leave(alarm, c.speedEdit);
            EXPECT_EQ(alarm.GetDlgItemText(c.speedEdit), c.speed) << c.unit << " " << locale;
            ASSERT_TRUE(ClickEndsWithOk(alarm, IDC_SAVE)) << testing::PrintToString(Texts());
            EXPECT_EQ(g_simMemory[c.speedByte], c.speedBytes[0]) << c.unit << " " << locale;
            EXPECT_EQ(g_simMemory[c.speedByte + 1], c.speedBytes[1]) << c.unit << " " << locale;
            EXPECT_EQ(std::to_string(g_simMemory[c.levelByte]), c.level) << c.unit << " " << locale;
        }
    });
}

// The alarm area of the console's block: the thresholds and the calibration.
std::vector<std::uint8_t> Thresholds() {
    return {g_simMemory + 0x20, g_simMemory + 0x61};
}

// Opened and saved untouched, in units whose display texts are rounded, the block is written
// back byte for byte.
TEST_F(AlarmDlgTest, AnUntouchedSaveWritesTheBlockAsRead) {
    ForEachNumericLocale([&](const std::string& locale) {
        for (const auto& [pressure, wind] :
             {std::pair{kUnitInHg, kUnitMph}, {kUnitMmHg, kUnitBft}, {kUnitInHg, kUnitKmh}}) {
            ChangeConsole([&](S& s) {
                s.presUnit = pressure;
                s.windUnit = wind;
                const bool inches = pressure == kUnitInHg;
                s.relPresHighAlarm = s.absPresHighAlarm = inches ? "3071" : "7801";
                s.relPresLowAlarm = s.absPresLowAlarm = inches ? "2900" : "7203";
                s.windAlarm = s.gustAlarm = wind == kUnitBft ? "60" : "284";
                s.windsLevelAlarm = "6";
            });
            const std::vector<std::uint8_t> before = Thresholds();
            CAlarmDlg alarm;
            ConsoleDialogTest::Open(alarm);
            for (int edit : {IDC_ALARM_WIND_SPEED, IDC_ALARM_WIND_LEVEL, IDC_ALARM_GUST_SPEED,
                             IDC_ALARM_GUST_LEVEL})
                Leave(alarm, edit);
            ASSERT_TRUE(ClickEndsWithOk(alarm, IDC_SAVE)) << testing::PrintToString(Texts());
            EXPECT_EQ(Thresholds(), before) << pressure << " " << wind << " " << locale;
        }
    });
}

// A German or Danish desktop types a decimal comma: in every language of the program it is the
// decimal point, for the threshold stored and for the level that follows a speed. Thousands
// separators, a second separator and the C library's other number forms stay refused, with the
// range in the program's language.
TEST_F(AlarmDlgTest, ADecimalCommaIsTheDecimalPoint) {
    const struct {
        int id;
        const char* typed;
        std::size_t address; // where the console keeps it, low byte first
        std::vector<std::uint8_t> stored;
    } typed[] = {
        {IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH, "12,5", 0x38, {0x7D, 0x00}}, // 125
        {IDC_ALARM_INDOOR_TEMPERATURE_LOW, "-5,5", 0x34, {0x37, 0x80}},   // -55, sign bit
        {IDC_ALARM_RELATIVE_PRESSURE_HIGH, "1013,2", 0x48, {0x94, 0x27}}, // 10132
        {IDC_ALARM_RAIN_HOUR, " 0,3 ", 0x53, {0x03, 0x00}},               // 3
        {IDC_ALARM_WIND_SPEED, "10,9", 0x4D, {0x6D, 0x00}},               // 109
        {IDC_ALARM_WIND_LEVEL, nullptr, 0x4C, {0x06}},                    // from the speed
    };
    const char* const rangeMessages[] = {"Please enter a number from -40 to 60.",
                                         "Bitte geben Sie eine Zahl von -40 bis 60 ein.",
                                         "Indtast venligst et tal fra -40 til 60."};
    ForEachCommaDesktop([&](const std::string& desktop) {
        CAlarmDlg alarm;
        ConsoleDialogTest::Open(alarm);
        for (const char* refused : {"1.2,5", "1,2.5", "12,5,0", "1e1", "0x10", "inf"}) {
            boxes.clear();
            Type(alarm, IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH, refused);
            EXPECT_FALSE(ClickEndsWithOk(alarm, IDC_SAVE)) << refused << " " << desktop;
            EXPECT_EQ(Texts(), std::vector<std::string>{rangeMessages[g_lang]})
                << refused << " " << desktop;
        }
        for (const auto& t : typed) {
            if (t.typed)
                Type(alarm, t.id, t.typed);
        }
        Leave(alarm, IDC_ALARM_WIND_SPEED);
        EXPECT_EQ(alarm.GetDlgItemText(IDC_ALARM_WIND_LEVEL), "6") << desktop;
        boxes.clear();
        ASSERT_TRUE(ClickEndsWithOk(alarm, IDC_SAVE)) << desktop << testing::PrintToString(Texts());
        for (const auto& t : typed) {
            EXPECT_EQ(ConsoleBytes(t.address, t.stored.size()), t.stored) << t.id << " " << desktop;
            // The next desktop's save has to write them again.
            std::fill_n(g_simMemory + t.address, t.stored.size(), 0);
        }
    });
}

TEST_F(AlarmDlgTest, UnitsChangedOnTheConsoleMeanwhileStopTheSave) {
    Open();
    Type(dialog, IDC_ALARM_RAIN_HOUR, "20.0");
    ChangeConsole([](S& s) {
        s.rainUnit = kUnitInch;
        s.hourRainAlarm = "39";
    });
    EXPECT_FALSE(Save());
    EXPECT_EQ(ConsoleSettings().hourRainAlarm, "39");
    EXPECT_EQ(boxes.back().text, Tr(kOwnTextSettingsChangedMeanwhile));
    EXPECT_EQ(Text(IDC_ALARM_RAIN_HOUR), "0.39");
    EXPECT_EQ(Text(IDC_ALARM_RAIN_HOUR_UNIT), "inch");
    // Typed again in the console's new unit, the threshold saves with its scale.
    Type(dialog, IDC_ALARM_RAIN_HOUR, "0.80");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().hourRainAlarm, "80");
}

} // namespace

#include "dialogs/SetupDlg.h"

#include "resources/ResourceIds.h"
#include "station/values/UnitNames.h"
#include "tests/core/ScopedNumericLocale.h"
#include "tests/gui/ConsoleDialogFixture.h"
#include "texts/OwnTexts.h"

#include <cstdint>

namespace {

using S = CWeatherSettings;

class SetupDlgTest : public ConsoleDialogTest {
protected:
    SetupDlgTest() {
        // Known thresholds in the console's metric units.
        ChangeConsole([](S& s) {
            s.hourRainAlarm = "100";
            s.relPresHighAlarm = "10400";
            s.windAlarm = "100";
            s.timeZone = "+1";
            s.windUnit = kUnitMs;
        });
    }
    void Open() { ConsoleDialogTest::Open(dialog); }
    bool Save() { return ClickEndsWithOk(dialog, IDC_SAVE); }

    // The calibration in the console: relative and absolute pressure in tenths of an hPa, low
    // byte first.
    static std::vector<std::uint8_t> CalibrationBytes() { return ConsoleBytes(0x20, 4); }

    // Saves `text` typed as the relative pressure of a console in `unit` at 1010.0 hPa, the edit
    // left `leaves` times first; the calibration bytes the console then holds (none when the
    // dialog stayed open).
    std::vector<std::uint8_t> SaveRelativePressure(std::string_view unit, const char* text,
                                                   int leaves) {
        ChangeConsole([&](S& s) {
            s.presUnit = unit;
            s.absPres = "10100";
            s.relPres = "10100";
        });
        CSetupDlg setup;
        ConsoleDialogTest::Open(setup);
        Type(setup, IDC_SETUP_RELATIVE_PRESSURE, text);
        for (int i = 0; i < leaves; ++i)
            Leave(setup, IDC_SETUP_RELATIVE_PRESSURE);
        if (!ClickEndsWithOk(setup, IDC_SAVE))
            return {};
        return CalibrationBytes();
    }

    CSetupDlg dialog;
};

TEST_F(SetupDlgTest, OpensWithTheConsolesSettings) {
    ChangeConsole([](S& s) {
        s.historyCircle = "30";
        s.windUnit = kUnitMph;
        s.outTempUnit = kUnitFahrenheit;
        s.hourFmt = "1";
        s.dewpointHighAlarmFlag = "1";
        s.dewpointLowAlarmFlag = "0";
    });
    Open();
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_TIME_ZONE), "+1");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_INTERVAL), "30");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_WIND_UNIT), "mph");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_PRESSURE_UNIT), "hPa");
    EXPECT_EQ(dialog.GetCurSel(IDC_SETUP_INDOOR_TEMPERATURE_UNIT), 0);
    EXPECT_EQ(dialog.GetCurSel(IDC_SETUP_OUTDOOR_TEMPERATURE_UNIT), 1);
    EXPECT_EQ(dialog.GetCurSel(IDC_SETUP_HOUR_FORMAT), 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_ENABLE_DEWPOINT_HIGH), 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_ENABLE_DEWPOINT_LOW), 0);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE), "1013.2");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_ABSOLUTE_PRESSURE), "1009.5");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE_UNIT), "hPa");
    EXPECT_TRUE(dialog.GetDlgItem(IDC_SAVE)->isEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_SETUP_INIT)->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.GetDlgItem(IDC_SETUP_RELATIVE_PRESSURE_HPA)->isVisibleTo(&dialog));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SetupDlgTest, SaveWritesTheChoicesAndReexpressesTheThresholds) {
    Open();
    Type(dialog, IDC_SETUP_INTERVAL, "10");
    Pick(dialog, IDC_SETUP_TIME_ZONE, "-3");
    Pick(dialog, IDC_SETUP_RAIN_UNIT, "inch");
    Pick(dialog, IDC_SETUP_WIND_UNIT, "bft");
    Pick(dialog, IDC_SETUP_OUTDOOR_FORMAT, "Dewpoint ");
    dialog.CheckDlgButton(IDC_ENABLE_UV, 1);
    dialog.CheckDlgButton(IDC_ENABLE_TIME, 0);
    g_simMemory[0x1A] = 0;
    ASSERT_TRUE(Save());

    const S saved = ConsoleSettings();
    EXPECT_EQ(saved.historyCircle, "10");
    EXPECT_EQ(saved.timeZone, "-3");
    EXPECT_EQ(saved.rainUnit, kUnitInch);
    EXPECT_EQ(saved.windUnit, kUnitBft);
    EXPECT_EQ(saved.outTempFmt, "2");
    EXPECT_EQ(saved.uvHighAlarmFlag, "1");
    EXPECT_EQ(saved.timeAlarmFlag, "0");
    EXPECT_EQ(saved.hourRainAlarm, "39"); // 10.0 mm in hundredths of an inch
    EXPECT_EQ(saved.windAlarm, "50");     // 10.0 km/h... in whole levels times ten
    EXPECT_EQ(saved.relPresHighAlarm, "10400");
    EXPECT_EQ(saved.relPres, "10132");
    EXPECT_EQ(g_simMemory[0x1A], 0xAA);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Do you want save?");
    EXPECT_EQ(boxes[0].caption, "Operation Notify");
    EXPECT_EQ(boxes[0].style, kMbYesNo | kMbIconQuestion);
}

TEST_F(SetupDlgTest, TheIntervalAccepts5To240) {
    Open();
    for (const char* refused : {"4", "241", "x"}) {
        boxes.clear();
        Type(dialog, IDC_SETUP_INTERVAL, refused);
        EXPECT_FALSE(Save()) << refused;
        ASSERT_EQ(boxes.size(), 1u) << refused;
        EXPECT_FALSE(boxes[0].style & kMbYesNo) << "refused before the question";
    }
    Type(dialog, IDC_SETUP_INTERVAL, "240");
    EXPECT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().historyCircle, "240");
}

TEST_F(SetupDlgTest, TheSmallestIntervalIsAccepted) {
    Open();
    Type(dialog, IDC_SETUP_INTERVAL, "5");
    EXPECT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().historyCircle, "5");
}

TEST_F(SetupDlgTest, PickingAnotherPressureUnitConvertsTheEditsAndTheLimits) {
    Open();
    Pick(dialog, IDC_SETUP_PRESSURE_UNIT, "hPa");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE), "1013.2");
    Pick(dialog, IDC_SETUP_PRESSURE_UNIT, "inHg");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE), "29.92");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_ABSOLUTE_PRESSURE), "29.81");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_ABSOLUTE_PRESSURE_UNIT), "inHg");
    // The hidden hPa copies stay until the relative pressure is left.
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE_HPA), "1013.2");
    // 35 inHg is above 1100 hPa; 1013 would have been fine in hPa.
    Type(dialog, IDC_SETUP_RELATIVE_PRESSURE, "1013");
    EXPECT_FALSE(Save());
    Type(dialog, IDC_SETUP_RELATIVE_PRESSURE, "30.00");
    Leave(dialog, IDC_SETUP_RELATIVE_PRESSURE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE_HPA), "1015.9");
    ASSERT_TRUE(Save());
    const S saved = ConsoleSettings();
    EXPECT_EQ(saved.presUnit, kUnitInHg);
    EXPECT_EQ(saved.relPres, "10159");
    EXPECT_EQ(saved.relPresHighAlarm, "3071"); // 1040.0 hPa in hundredths of an inch
}

// Shown in inches or millimetres of mercury with two or one decimals, most calibrations do not
// convert back to themselves: passing through the relative pressure changes neither.
TEST_F(SetupDlgTest, PassingThroughThePressureWritesTheCalibrationUnchanged) {
    ForEachNumericLocale([&](const std::string& locale) {
        for (const auto unit : {kUnitInHg, kUnitMmHg}) {
            for (const char* pressure : {"10100", "10132", "9001", "10599"}) {
                ChangeConsole([&](S& s) {
                    s.presUnit = unit;
                    s.absPres = pressure;
                    s.relPres = pressure;
                });
                const std::vector<std::uint8_t> before = CalibrationBytes();
                CSetupDlg setup;
                ConsoleDialogTest::Open(setup);
                Leave(setup, IDC_SETUP_RELATIVE_PRESSURE);
                ASSERT_TRUE(ClickEndsWithOk(setup, IDC_SAVE)) << unit << " " << pressure;
                EXPECT_EQ(CalibrationBytes(), before) << unit << " " << pressure << " " << locale;
            }
        }
    });
}

// A typed relative pressure is converted once, whether its edit is left (again) or Save is
// pressed from the keyboard while it still has the focus; the absolute pressure stays as read.
TEST_F(SetupDlgTest, ATypedRelativePressureIsStoredAsTypedAndTheAbsoluteOneStays) {
    struct Typed {
        std::string_view unit;
        const char* text;
        bool leave;
        std::uint8_t relative[2];
    };
    const Typed cases[] = {
        {kUnitInHg, "29.95", true, {0x9E, 0x27}}, // 1014.2 hPa
        {kUnitInHg, "29.95", false, {0x9E, 0x27}},
        {kUnitMmHg, "760.0", true, {0x94, 0x27}},  // 1013.2 hPa
        {kUnitMmHg, "751.5", false, {0x23, 0x27}}, // 1001.9 hPa
    };
    ForEachNumericLocale([&](const std::string& locale) {
        for (const Typed& c : cases)
            EXPECT_EQ(SaveRelativePressure(c.unit, c.text, c.leave ? 2 : 0),
                      (std::vector<std::uint8_t>{c.relative[0], c.relative[1], 0x74, 0x27}))
                << c.unit << " " << c.text << " " << locale;
    });
}

// A German or Danish desktop types the calibration with a decimal comma: in every language of
// the program it is the decimal point, whether the edit is left or Save is pressed from the
// keyboard, and what the program writes into the edit has a point.
TEST_F(SetupDlgTest, ARelativePressureWithADecimalCommaIsStoredAsWithAPoint) {
    const struct {
        std::string_view unit;
        const char* text;
        bool leave;
        std::uint8_t relative[2];
    } cases[] = {
        {kUnitHpa, " 1013,2", true, {0x94, 0x27}}, // 1013.2 hPa
        {kUnitInHg, "29,95", false, {0x9E, 0x27}}, // 1014.2 hPa
    };
    const char* const rangeMessages[] = {"Please enter a number from 500 to 1100.",
                                         "Bitte geben Sie eine Zahl von 500 bis 1100 ein.",
                                         "Indtast venligst et tal fra 500 til 1100."};
    ForEachCommaDesktop([&](const std::string& desktop) {
        for (const auto& c : cases)
            EXPECT_EQ(SaveRelativePressure(c.unit, c.text, c.leave ? 1 : 0),
                      (std::vector<std::uint8_t>{c.relative[0], c.relative[1], 0x74, 0x27}))
                << c.unit << " " << c.text << " " << desktop;
        ChangeConsole([](S& s) { s.presUnit = kUnitHpa; });
        CSetupDlg setup;
        ConsoleDialogTest::Open(setup);
        for (const char* refused : {"1.013,2", "1,013.2", "1013,2,0", "1e3", "0x3F4", "inf"}) {
            boxes.clear();
            Type(setup, IDC_SETUP_RELATIVE_PRESSURE, refused);
            EXPECT_FALSE(ClickEndsWithOk(setup, IDC_SAVE)) << refused << " " << desktop;
            EXPECT_EQ(Texts(), std::vector<std::string>{rangeMessages[g_lang]})
                << refused << " " << desktop;
        }
        Type(setup, IDC_SETUP_RELATIVE_PRESSURE, "1013,2");
        Pick(setup, IDC_SETUP_PRESSURE_UNIT, "inHg");
        EXPECT_EQ(setup.GetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE), "29.92") << desktop;
    });
}

TEST_F(SetupDlgTest, APressureThatIsNoNumberIsRefused) {
    Open();
    Type(dialog, IDC_SETUP_RELATIVE_PRESSURE, "---");
    const FixedBlock before = ConsoleBlock();
    EXPECT_FALSE(Save());
    EXPECT_EQ(ConsoleBlock(), before);
}

TEST_F(SetupDlgTest, AZoneInNoItemIsKeptAsRead) {
    ChangeConsole([](S& s) { s.timeZone = "+13"; });
    Open();
    EXPECT_EQ(dialog.GetCurSel(IDC_SETUP_TIME_ZONE), -1);
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().timeZone, "+13");
}

TEST_F(SetupDlgTest, TheZoneZeroIsTheThirteenthItem) {
    ChangeConsole([](S& s) { s.timeZone = "0"; });
    Open();
    EXPECT_EQ(dialog.GetCurSel(IDC_SETUP_TIME_ZONE), 12);
}

TEST_F(SetupDlgTest, AllEnableAndAllDisableSetEveryAlarmBox) {
    Open();
    Click(dialog, IDC_ALL_ON);
    for (int id : {IDC_ENABLE_TIME, IDC_ENABLE_UV, IDC_ENABLE_DEWPOINT_HIGH, IDC_ENABLE_RAIN_DAY})
        EXPECT_EQ(dialog.IsDlgButtonChecked(id), 1) << id;
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().windchillLowAlarmFlag, "1");
}

TEST_F(SetupDlgTest, AllDisableClearsEveryAlarmBox) {
    Open();
    Click(dialog, IDC_ALL_OFF);
    ASSERT_TRUE(Save());
    const S saved = ConsoleSettings();
    EXPECT_EQ(saved.timeAlarmFlag, "0");
    EXPECT_EQ(saved.relPresHighAlarmFlag, "0");
}

TEST_F(SetupDlgTest, UnitsChangedOnTheConsoleMeanwhileStopTheSave) {
    Open();
    Pick(dialog, IDC_SETUP_RAIN_UNIT, "inch");
    ChangeConsole([](S& s) {
        s.presUnit = kUnitInHg;
        s.relPresHighAlarm = "3071";
    });
    EXPECT_FALSE(Save());
    EXPECT_EQ(ConsoleSettings().relPresHighAlarm, "3071");
    EXPECT_EQ(ConsoleSettings().rainUnit, kUnitMm);
    EXPECT_EQ(boxes.back().text, Tr(kOwnTextSettingsChangedMeanwhile));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_PRESSURE_UNIT), "inHg");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SETUP_RAIN_UNIT), "mm");
    // Shown again, the settings save as they are.
    ASSERT_TRUE(Save());
    EXPECT_EQ(ConsoleSettings().relPresHighAlarm, "3071");
}

} // namespace

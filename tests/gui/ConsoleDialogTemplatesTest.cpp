#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/WindowStyles.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

DialogTemplate Load(int id) {
    DialogTemplate dialog;
    ResourceError error;
    EXPECT_TRUE(LoadDialogTemplate(id, dialog, error)) << id << ": " << error.message;
    return dialog;
}

const DialogControl* Control(const DialogTemplate& dialog, int id) {
    for (const DialogControl& control : dialog.controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

std::vector<std::string> Items(int dialogId, int controlId) {
    const DialogTemplate dialog = Load(dialogId);
    const DialogControl* control = Control(dialog, controlId);
    return control ? control->items : std::vector<std::string>{"no control"};
}

using Items3 = std::vector<std::vector<std::string>>;

void ExpectItems(ResourceRow row, int controlId, const Items3& perLanguage) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(Items(static_cast<int>(ResourceIdTable[row][lang]), controlId),
                  perLanguage[static_cast<std::size_t>(lang)])
            << "control " << controlId << ", language " << lang;
    }
}

} // namespace

TEST(ConsoleDialogTemplates, EveryLanguageHasTheSameControlsInTheSamePlaces) {
    for (ResourceRow row : {kSetupDialogRow, kAlarmDialogRow, kScopeDialogRow}) {
        const DialogTemplate english = Load(static_cast<int>(ResourceIdTable[row][0]));
        ASSERT_FALSE(english.controls.empty());
        for (int lang = 1; lang < kLanguageCount; ++lang) {
            const DialogTemplate other = Load(static_cast<int>(ResourceIdTable[row][lang]));
            ASSERT_EQ(other.controls.size(), english.controls.size()) << row;
            for (std::size_t i = 0; i < english.controls.size(); ++i) {
                const DialogControl& a = english.controls[i];
                const DialogControl& b = other.controls[i];
                EXPECT_EQ(std::vector<int>({a.id, a.x, a.y, a.cx, a.cy, int(a.style)}),
                          std::vector<int>({b.id, b.x, b.y, b.cx, b.cy, int(b.style)}))
                    << "row " << row << ", control " << a.id << " in language " << lang;
            }
        }
    }
}

TEST(ConsoleDialogTemplates, TheSetupInitButtonIsCreatedHiddenAndDisabled) {
    for (int id : {IDD_SETUP, IDD_SETUP_GERMAN, IDD_SETUP_DANISH}) {
        const DialogTemplate dialog = Load(id);
        const DialogControl* init = Control(dialog, IDC_SETUP_INIT);
        ASSERT_NE(init, nullptr);
        EXPECT_FALSE(init->style & WS_VISIBLE);
        EXPECT_TRUE(init->style & WS_DISABLED);
        for (int hidden : {IDC_SETUP_RELATIVE_PRESSURE_HPA, IDC_SETUP_ABSOLUTE_PRESSURE_HPA})
            EXPECT_FALSE(Control(dialog, hidden)->style & WS_VISIBLE);
    }
}

TEST(ConsoleDialogTemplates, SetupListsHoldTheItemsOfEachLanguage) {
    std::vector<std::string> zones;
    for (int hours = 12; hours >= -12; --hours)
        zones.push_back(hours > 0 ? "+" + std::to_string(hours) : std::to_string(hours));
    ExpectItems(kSetupDialogRow, IDC_SETUP_TIME_ZONE, {zones, zones, zones});
    const std::vector<std::string> winds{"m/s", "km/h", "knot", "mph", "bft"};
    ExpectItems(kSetupDialogRow, IDC_SETUP_WIND_UNIT, {winds, winds, winds});
    ExpectItems(kSetupDialogRow, IDC_SETUP_TIME_FORMAT,
                {{"Full Date", "Date and Week", "Alarm Time"},
                 {"Datum", "Datum and Woche", "Alarm Zeit"},
                 {"Fuld Dato", "Dato og Uge", "Alarm Tidspunkt"}});
    ExpectItems(kSetupDialogRow, IDC_SETUP_DATE_FORMAT,
                {{"dd-mm-yy", "mm-dd-yy"}, {"dd-mm-yy", "mm-dd-yy"}, {"dd-mm-åå", "mm-dd-åå"}});
    ExpectItems(kSetupDialogRow, IDC_SETUP_OUTDOOR_FORMAT,
                {{"Temperature", "Windchill ", "Dewpoint "},
                 {"Temperatur", "Windauskühlung", "Taupunkt"},
                 {"Temperatur", "Kuldeindeks", "Dugpunkt"}});
    ExpectItems(kSetupDialogRow, IDC_SETUP_WIND_FORMAT,
                {{"Wind", "Gust"}, {"Geschwindigkeit", "Windbö\r\n"}, {"Vind", "Vindstød"}});
    ExpectItems(kSetupDialogRow, IDC_SETUP_RAIN_FORMAT,
                {{"Hour", "24 Hours", "Week", "Month", "Total"},
                 {"Stunde", "24 Stunden", "Woche", "Monat", "Total"},
                 {"Timer", "24 Timers", "Uge", "Måned", "Total"}});
    // The temperature units are the dialog's own items.
    ExpectItems(kSetupDialogRow, IDC_SETUP_INDOOR_TEMPERATURE_UNIT, {{}, {}, {}});
}

TEST(ConsoleDialogTemplates, AlarmDirectionsAreNamedInGerman) {
    const std::vector<std::string> english = Items(IDD_ALARM, IDC_ALARM_WIND_DIRECTION);
    ASSERT_EQ(english.size(), 16u);
    EXPECT_EQ(english[3], "NEE");
    EXPECT_EQ(Items(IDD_ALARM_DANISH, IDC_ALARM_WIND_DIRECTION), english);
    const std::vector<std::string> german = Items(IDD_ALARM_GERMAN, IDC_ALARM_WIND_DIRECTION);
    ASSERT_EQ(german.size(), 16u);
    EXPECT_EQ(german[11], "SWW = Südwest-Süd");
}

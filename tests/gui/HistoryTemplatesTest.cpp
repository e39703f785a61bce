#include "dialogs/core/GridExportFile.h"
#include "platform/qt/Dialog.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/WindowStyles.h"
#include "resources/ResourceIds.h"
#include "station/console/WeatherSet.h"
#include "station/records/HistoryList.h"
#include "station/values/UnitNames.h"
#include "tests/core/MemoryListControl.h"
#include "tests/core/ScopedValue.h"
#include "texts/Env.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

DialogTemplate Load(ResourceRow row, int lang) {
    DialogTemplate dialog;
    ResourceError error;
    const int id = static_cast<int>(ResourceIdTable[row][lang]);
    EXPECT_TRUE(LoadDialogTemplate(id, dialog, error)) << id << ": " << error.message;
    return dialog;
}

const DialogControl& Control(const DialogTemplate& dialog, int id) {
    static const DialogControl kMissing{};
    for (const DialogControl& control : dialog.controls) {
        if (control.id == id)
            return control;
    }
    ADD_FAILURE() << "no control " << id;
    return kMissing;
}

constexpr int kCancelButton = 2;

// The bottom buttons of the history dialog sit where their texts fit in each language.
const std::set<int> kPlacedByLanguage = {IDC_HISTORY_REFRESH,      IDC_HISTORY_CLEAR_DATA,
                                         IDC_HISTORY_CLEAR_MEMORY, IDC_HISTORY_GRAPH,
                                         IDC_HISTORY_EXPORT,       kCancelButton};

TEST(HistoryTemplates, EveryLanguageHasTheSameControls) {
    for (ResourceRow row : {kHistoryDialogRow, kGridExportDialogRow}) {
        const DialogTemplate english = Load(row, 0);
        ASSERT_FALSE(english.controls.empty());
        for (int lang = 1; lang < kLanguageCount; ++lang) {
            const DialogTemplate other = Load(row, lang);
            ASSERT_EQ(other.controls.size(), english.controls.size());
            EXPECT_EQ(std::vector<int>({other.cx, other.cy, int(other.style)}),
                      std::vector<int>({english.cx, english.cy, int(english.style)}));
            for (std::size_t i = 0; i < english.controls.size(); ++i) {
                const DialogControl& a = english.controls[i];
                const DialogControl& b = other.controls[i];
                EXPECT_EQ(std::vector<int>({a.id, a.y, a.cy, int(a.style)}),
                          std::vector<int>({b.id, b.y, b.cy, int(b.style)}));
                if (row == kGridExportDialogRow || !kPlacedByLanguage.contains(a.id)) {
                    EXPECT_EQ(std::vector<int>({a.x, a.cx}), std::vector<int>({b.x, b.cx})) << a.id;
                }
            }
        }
    }
}

TEST(HistoryTemplates, TheRangeListHoldsTheItemsOfEachLanguage) {
    const std::vector<std::vector<std::string>> items = {
        {"an hour", "24 hours", "a week", "a month", "user defined"},
        {"Stunde", "24 Stunden", "Woche", "Monat", "Individuell"},
        {"en time", "24 timer", "en uge", "en måned", "bruger defineret"}};
    const std::vector<std::string> separators = {"TAB", "BLANK", "|", ",", ";", ".", ":"};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(Control(Load(kHistoryDialogRow, lang), IDC_HISTORY_RANGE).items, items[lang]);
        EXPECT_EQ(Control(Load(kGridExportDialogRow, lang), IDC_GRID_EXPORT_SEPARATOR).items,
                  separators);
    }
}

TEST(HistoryTemplates, DeleteAndTheExportOptionsAreCreatedHiddenAndDisabled) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const DialogTemplate history = Load(kHistoryDialogRow, lang);
        const DialogTemplate chooser = Load(kGridExportDialogRow, lang);
        for (const DialogControl* hidden :
             {&Control(history, IDC_HISTORY_DELETE), &Control(chooser, IDC_GRID_EXPORT_HEADER),
              &Control(chooser, IDC_GRID_EXPORT_SEPARATOR),
              &Control(chooser, IDC_GRID_EXPORT_SEPARATOR_LABEL)}) {
            EXPECT_FALSE(hidden->style & WS_VISIBLE) << hidden->id;
            EXPECT_TRUE(hidden->style & WS_DISABLED) << hidden->id;
        }
        EXPECT_TRUE(history.style & WS_THICKFRAME);
        EXPECT_TRUE(Control(chooser, IDC_GRID_EXPORT_COLUMNS).style & LBS_EXTENDEDSEL);
    }
}

// The width a drop-down of the template gives its shown text.
int TextWidth(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.rect = combo.rect();
    option.frame = true;
    return combo.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
        .width();
}

// German and Danish texts are longer than the English ones: the range lists of the history and
// graph dialogs show every preset whole, and the column chooser every column of the history,
// in the longest units.
TEST(HistoryTemplates, TheRangePresetsAndTheOfferedColumnsShowWhole) {
    CWeatherSettings longestUnits;
    longestUnits.indTempUnit = longestUnits.outTempUnit = kUnitFahrenheit;
    longestUnits.presUnit = kUnitInHg;
    longestUnits.windUnit = kUnitKnot;
    longestUnits.rainUnit = kUnitInch;
    longestUnits.lightmeterUnit = kUnitLux;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const ScopedValue<int> language(g_lang, lang);
        const std::vector<std::string> presets =
            Control(Load(kHistoryDialogRow, lang), IDC_HISTORY_RANGE).items;
        for (const auto& [row, id] : {std::pair{kHistoryDialogRow, IDC_HISTORY_RANGE},
                                      {kGraphDialogRow, IDC_GRAPH_RANGE}}) {
            CDialog dialog(row, nullptr);
            ASSERT_TRUE(dialog.Create());
            const QComboBox* range = dialog.Combo(id);
            ASSERT_NE(range, nullptr);
            for (const std::string& preset : presets)
                EXPECT_LE(range->fontMetrics().horizontalAdvance(QString::fromStdString(preset)),
                          TextWidth(*range))
                    << preset;
        }

        MemoryListControl columns;
        InsertRecordColumns(columns, longestUnits);
        CDialog chooser(kGridExportDialogRow, nullptr);
        ASSERT_TRUE(chooser.Create());
        const auto* list = chooser.GetDlgItem<QListWidget>(IDC_GRID_EXPORT_COLUMNS);
        ASSERT_NE(list, nullptr);
        const int room = list->width() - 2 * list->frameWidth() -
                         list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 4;
        for (int i = 0; i < columns.ColumnCount(); ++i) {
            const MemoryListControl::Column& column = columns.Columns()[i];
            if (column.width == 0)
                continue;
            const std::string entry =
                ChosenColumnLabel(OfferedColumnEntry(i + 1, column.title, column.width));
            EXPECT_LE(list->fontMetrics().horizontalAdvance(QString::fromStdString(entry)), room)
                << entry;
        }
    }
}

} // namespace

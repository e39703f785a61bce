#include "dialogs/core/GridExportFile.h"

#include "station/records/HistoryList.h"
#include "tests/core/MemoryListControl.h"
#include "texts/Env.h"

#include <gtest/gtest.h>

namespace {

TEST(GridExportEntries, AnEntryCarriesNumberTitleAndWidth) {
    const std::string entry = OfferedColumnEntry(2, "Time", 120);
    EXPECT_EQ(entry, "2.Time-120");
    EXPECT_EQ(ChosenColumnLabel(entry), "2.Time");
    EXPECT_TRUE(IsEntryPreselected(entry));
    EXPECT_FALSE(IsEntryPreselected("24.windDir-0"));
    EXPECT_EQ(ChosenColumnIndex("2.Time"), 1);
    EXPECT_EQ(ChosenColumnTitle("2.Time"), "Time");
    EXPECT_EQ(ChosenColumnTitle("4.Indoor Humidity(%)"), "Indoor Humidity(%)");
    EXPECT_EQ(ChosenColumnTitle("12.Gust 1.5"), "Gust 1.5");
}

// The entries cut titles at their first hyphen: no title of the list may hold one.
TEST(GridExportEntries, NoColumnTitleHoldsAHyphen) {
    const int before = g_lang;
    for (int language = 0; language < kLanguageCount; ++language) {
        g_lang = language;
        MemoryListControl list;
        InsertRecordColumns(list, CWeatherSettings());
        for (const MemoryListControl::Column& column : list.Columns())
            EXPECT_EQ(column.title.find('-'), std::string::npos) << column.title;
    }
    g_lang = before;
}

TEST(GridExportCsv, OnlyCellsThatNeedItAreQuoted) {
    EXPECT_EQ(CsvCell("21.5", ","), "21.5");
    EXPECT_EQ(CsvCell("", ","), "");
    EXPECT_EQ(CsvCell(" 120", ","), " 120");
    EXPECT_EQ(CsvCell("05-03-2024 14:30", ","), "05-03-2024 14:30");
    EXPECT_EQ(CsvCell("1,5", ","), "\"1,5\"");
    EXPECT_EQ(CsvCell("Windbö\"(km/h)", ","), "\"Windbö\"\"(km/h)\"");
    EXPECT_EQ(CsvCell("two\r\nlines", ","), "\"two\r\nlines\"");
    EXPECT_EQ(CsvCell("a\nb", ","), "\"a\nb\"");
    EXPECT_EQ(CsvCell("a;b", ";"), "\"a;b\"");
    EXPECT_EQ(CsvCell("a,b", ";"), "a,b");
}

MemoryListControl ThreeColumns() {
    MemoryListControl list;
    list.InsertColumn(0, "No", 40, ListColumnFormat::kCenter);
    list.InsertColumn(1, "Time", 120, ListColumnFormat::kCenter);
    list.InsertColumn(2, "Gust", 100, ListColumnFormat::kCenter);
    return list;
}

TEST(GridExportCsv, AnEmptyListGivesTheHeaderLineAlone) {
    EXPECT_EQ(BuildGridCsv(ThreeColumns(), {"3.Gust", "1.No"}, true, ","), "Gust,No\r\n");
    EXPECT_EQ(BuildGridCsv(ThreeColumns(), {"3.Gust"}, false, ","), "");
}

TEST(GridExportCsv, RowsInListOrderColumnsInChosenOrder) {
    MemoryListControl list = ThreeColumns();
    CHistoryRows rows;
    rows.InsertCells(-1, {"   1", "05-03-2024 14:30", "6.8"}, 3);
    rows.InsertCells(-1, {"   2", "05-03-2024 14:35", ""}, 3);
    rows.InsertCells(-1, {"   3", "", "1,5"}, 3);
    list.InsertRows(-1, std::move(rows));

    EXPECT_EQ(BuildGridCsv(list, {"3.Gust", "2.Time", "1.No"}, true, ","),
              "Gust,Time,No\r\n"
              "6.8,05-03-2024 14:30,   1\r\n"
              ",05-03-2024 14:35,   2\r\n"
              "\"1,5\",,   3\r\n");
    EXPECT_EQ(BuildGridCsv(list, {"2.Time"}, true, "|"),
              "Time\r\n05-03-2024 14:30\r\n05-03-2024 14:35\r\n\r\n");
}

TEST(GridExportPath, TwoHundredTwentyCharactersAreTheMost) {
    EXPECT_FALSE(IsExportPathTooLong(std::string(220, 'a')));
    EXPECT_TRUE(IsExportPathTooLong(std::string(221, 'a')));
    // Characters, not bytes: "ø" is two bytes of UTF-8.
    std::string danish;
    for (int i = 0; i < 110; ++i)
        danish += "ø";
    EXPECT_FALSE(IsExportPathTooLong("/" + danish + std::string(109, 'a')));
    EXPECT_TRUE(IsExportPathTooLong("/" + danish + std::string(110, 'a')));
}

} // namespace

#include "station/records/HistoryRows.h"

#include "station/records/HistoryList.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/MemoryListControl.h"

#include <utility>

#include <gtest/gtest.h>

namespace {

CWeatherSettings Units(const std::string& temperature, const std::string& pressure,
                       const std::string& wind, const std::string& rain, const std::string& light) {
    CWeatherSettings settings;
    settings.indTempUnit = settings.outTempUnit = temperature;
    settings.presUnit = pressure;
    settings.windUnit = wind;
    settings.rainUnit = rain;
    settings.lightmeterUnit = light;
    return settings;
}

const CWeatherSettings kMetric = Units("°C", "hPa", "m/s", "mm", "lux");
const CWeatherSettings kImperial = Units("°F", "inHg", "knot", "inch", "fc");

// The cells FillHistoryRow makes, as the reference for the compact rows.
std::vector<std::string> ReferenceCells(const CWeatherRecord& record,
                                        const CWeatherSettings& settings) {
    MemoryListControl list;
    InsertRecordColumns(list, settings);
    FillHistoryRow(record, list, 0, settings);
    std::vector<std::string> cells;
    for (int column = 0; column < kHistoryColumnCount; ++column)
        cells.push_back(list.CellText(0, column));
    return cells;
}

std::vector<std::string> Cells(const CHistoryRows& rows, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < kHistoryColumnCount; ++column)
        cells.push_back(rows.CellText(row, column));
    return cells;
}

int InsertRecord(CHistoryRows& rows, int row, const CWeatherRecord& record,
                 const std::shared_ptr<const HistoryCellForms>& forms) {
    HistoryCellForms::Fields fields;
    HistoryCellForms::ReadFields(FieldViewsOf(record), fields);
    return rows.InsertRecord(row, fields, forms);
}

CWeatherRecord Unusual() {
    CWeatherRecord record = StoredRecord("  77", "2024-03-05 14:30:00");
    record.indTemp = "";
    record.absPres = "---";
    record.windDirDesc = std::string(300, 'N'); // longer than a one-byte length
    record.lightmeter = "450000.0";
    record.saveTime = "2024-03-05 14:31:07";
    return record;
}

// Each cell made when asked for is the cell FillHistoryRow would have stored, in either units,
// for ordinary and unusual field texts.
TEST(HistoryRows, CellsAreTheCellsOfTheRowFilledAtOnce) {
    const CWeatherRecord records[] = {StoredRecord("1", "2024-03-05 14:25:00"), Unusual(),
                                      CWeatherRecord()};
    for (const CWeatherSettings& settings : {kMetric, kImperial}) {
        CHistoryRows rows;
        const auto forms = std::make_shared<const HistoryCellForms>(settings);
        for (const CWeatherRecord& record : records)
            InsertRecord(rows, -1, record, forms);
        ASSERT_EQ(rows.Count(), 3);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(Cells(rows, row), ReferenceCells(records[row], settings)) << row;
    }
}

// Rows of different units keep their own units; rows of ready texts show them as they are.
TEST(HistoryRows, RowsKeepTheirOwnFormsAndTexts) {
    CHistoryRows rows;
    const CWeatherRecord record = StoredRecord("5", "2024-03-05 14:25:00");
    InsertRecord(rows, 0, record, std::make_shared<const HistoryCellForms>(kMetric));
    InsertRecord(rows, 1, record, std::make_shared<const HistoryCellForms>(kImperial));
    rows.InsertCells(1, {"a", "21.5", "", "c", "dropped"}, 4);

    EXPECT_EQ(rows.CellText(0, 4), "21.5");
    EXPECT_EQ(rows.CellText(1, 1), "21.5");
    EXPECT_EQ(rows.CellText(1, 3), "c");
    EXPECT_EQ(rows.CellText(1, 4), "");
    EXPECT_EQ(rows.CellText(2, 4), "70.7");
    EXPECT_EQ(rows.CellText(3, 0), "");
    EXPECT_EQ(rows.CellText(-1, 0), "");
    EXPECT_EQ(rows.CellText(0, -1), "");
    EXPECT_EQ(rows.CellText(0, kHistoryColumnCount), "");
}

TEST(HistoryRows, InsertsRemovesAndClears) {
    CHistoryRows rows;
    for (const char* number : {"1", "2", "3"})
        rows.InsertCells(-1, {number}, 1);
    EXPECT_EQ(rows.InsertCells(0, {"0"}, 1), 0);
    EXPECT_EQ(rows.InsertCells(9, {"4"}, 1), 4);
    rows.Remove(2);
    rows.Remove(7);

    ASSERT_EQ(rows.Count(), 4);
    EXPECT_EQ(rows.CellText(0, 0) + rows.CellText(1, 0) + rows.CellText(2, 0) + rows.CellText(3, 0),
              "0134");
    rows.Clear();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.HeldBytes(), 0u);
}

// Rows spread over many blocks, one of them larger than a block, keep their texts.
TEST(HistoryRows, ManyAndLargeRowsKeepTheirTexts) {
    CHistoryRows rows;
    const std::string large(3 << 20, 'x');
    for (int i = 0; i < 40000; ++i) {
        rows.InsertCells(-1, {std::to_string(i), std::string(40, 'a' + i % 26)}, 2);
        if (i == 20000)
            rows.InsertCells(-1, {"large", large}, 2);
    }
    ASSERT_EQ(rows.Count(), 40001);
    EXPECT_EQ(rows.CellText(20001, 1), large);
    EXPECT_EQ(rows.CellText(20002, 0), "20001");
    EXPECT_EQ(rows.CellText(40000, 0), "39999");
    EXPECT_EQ(rows.CellText(40000, 1), std::string(40, 'a' + 39999 % 26));
}

// Inserted rows show what they showed before, whether they are taken over as packed (the same
// forms, or rows into empty rows) or packed again (other forms), after rows of their own and
// over several blocks; the rows inserted are left empty.
TEST(HistoryRows, AppendedRowsKeepTheirCells) {
    const auto metric = std::make_shared<const HistoryCellForms>(kMetric);
    const auto imperial = std::make_shared<const HistoryCellForms>(kImperial);
    const auto make = [&](const std::shared_ptr<const HistoryCellForms>& forms, int first) {
        CHistoryRows part;
        for (int i = first; i < first + 6000; ++i)
            InsertRecord(part, -1, StoredRecord(std::to_string(i), "2024-03-05 14:25:00"), forms);
        part.InsertCells(-1, {"ready", "cells"}, 2);
        return part;
    };
    CHistoryRows rows;
    for (const auto& [forms, first] : {std::pair{metric, 0}, {metric, 6000}, {imperial, 12000}}) {
        CHistoryRows part = make(forms, first);
        std::vector<std::vector<std::string>> before;
        for (int row = 0; row < part.Count(); ++row)
            before.push_back(Cells(part, row));
        const int count = rows.Count();
        EXPECT_EQ(rows.Insert(-1, std::move(part)), count);
        EXPECT_EQ(part.Count(), 0);
        ASSERT_EQ(rows.Count(), count + static_cast<int>(before.size()));
        for (int row = 0; row < static_cast<int>(before.size()); ++row)
            ASSERT_EQ(Cells(rows, count + row), before[row]) << "row " << row;
    }
    EXPECT_EQ(rows.CellText(0, 4), "21.5");
    EXPECT_EQ(rows.CellText(12000 + 2, 4), "70.7");
}

// Rows inserted between others, many taken over as packed or a few copied, stand in their order
// there; the rows after them move down, and rows inserted later keep theirs.
TEST(HistoryRows, InsertedRowsStandWhereTheyAreInserted) {
    const auto forms = std::make_shared<const HistoryCellForms>(kMetric);
    const auto numbered = [&](int first, int count) {
        CHistoryRows part;
        for (int i = first; i < first + count; ++i)
            InsertRecord(part, -1, StoredRecord(std::to_string(i), "2024-03-05 14:25:00"), forms);
        return part;
    };
    CHistoryRows rows = numbered(0, 10);
    EXPECT_EQ(rows.Insert(5, numbered(100, 6000)), 5);
    EXPECT_EQ(rows.Insert(0, numbered(-2, 2)), 0);
    EXPECT_EQ(rows.InsertCells(-1, {"last"}, 1), 6012);

    ASSERT_EQ(rows.Count(), 6013);
    const std::pair<int, const char*> numbers[] = {{0, "-2"},   {2, "0"},       {6, "4"},
                                                   {7, "100"},  {6006, "6099"}, {6007, "5"},
                                                   {6011, "9"}, {6012, "last"}};
    for (const auto& [row, number] : numbers)
        EXPECT_EQ(rows.CellText(row, 0), number) << "row " << row;
    EXPECT_EQ(rows.CellText(6011, 4), "21.5");
}

// Rows inserted without any, then a row of their own: the rows before keep their texts, and a
// few rows inserted one at a time do not each hold a block of their own.
TEST(HistoryRows, FewOrNoRowsInsertedAreCopied) {
    CHistoryRows rows;
    rows.InsertCells(-1, {"first"}, 1);
    EXPECT_EQ(rows.Insert(-1, CHistoryRows()), 1);
    rows.InsertCells(-1, {"second"}, 1);
    const std::size_t held = rows.HeldBytes();
    for (int i = 0; i < 100; ++i) {
        CHistoryRows one;
        one.InsertCells(-1, {std::to_string(i)}, 1);
        rows.Insert(-1, std::move(one));
    }

    ASSERT_EQ(rows.Count(), 102);
    EXPECT_EQ(rows.CellText(0, 0), "first");
    EXPECT_EQ(rows.CellText(1, 0), "second");
    EXPECT_EQ(rows.CellText(101, 0), "99");
    EXPECT_LT(rows.HeldBytes(), held + (std::size_t{1} << 20));
}

// A list that keeps no rows of its own is given each inserted row's cells.
TEST(HistoryRows, AListWithoutRowsOfItsOwnIsGivenTheCells) {
    const auto forms = std::make_shared<const HistoryCellForms>(kImperial);
    CHistoryRows rows;
    InsertRecord(rows, -1, Unusual(), forms);
    const std::vector<std::string> cells = Cells(rows, 0);
    MemoryListControl list;
    InsertRecordColumns(list, kImperial);
    EXPECT_EQ(list.InsertRows(-1, std::move(rows)), 0);
    ASSERT_EQ(list.RowCount(), 1);
    for (int column = 0; column < kHistoryColumnCount; ++column)
        EXPECT_EQ(list.CellText(0, column), cells[column]) << column;
    EXPECT_EQ(rows.Count(), 0);
}

} // namespace

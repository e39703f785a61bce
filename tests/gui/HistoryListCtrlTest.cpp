#include "controls/HistoryListCtrl.h"

#include "station/records/HistoryList.h"
#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/MemoryListControl.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

namespace {

CWeatherSettings Imperial() {
    CWeatherSettings settings;
    settings.indTempUnit = settings.outTempUnit = "°F";
    settings.presUnit = "inHg";
    settings.windUnit = "km/h";
    settings.rainUnit = "inch";
    settings.lightmeterUnit = "fc";
    return settings;
}

// The list of the history dialog over a data file of its own, shown on the (offscreen) screen.
class HistoryListCtrlTest : public DataFileTest {
protected:
    HistoryListCtrlTest() {
        list.resize(900, 300);
        InsertRecordColumns(list, settings);
        list.show();
    }

    // Stores `count` records five minutes apart from 2024-03-05 00:00:00 on.
    void StoreRecords(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            CWeatherRecord record =
                StoredRecord(std::to_string(i + 1),
                             FormatRecordTime(TextToTime("2024-03-05 00:00:00") + i * 300));
            record.indTemp = std::to_string(15 + i % 10) + ".5";
            lines.push_back(LineOf(record));
        }
        WriteLines(lines);
    }
    void Search() { LoadRecordsInRange(list, "2024-03-05", "2024-03-06", settings); }

    QHeaderView& Header() { return *list.horizontalHeader(); }

    const CWeatherSettings settings = Imperial();
    CHistoryListCtrl list;
};

TEST_F(HistoryListCtrlTest, ShowsTheColumnsOfTheHistoryList) {
    MemoryListControl reference;
    InsertRecordColumns(reference, settings);
    ASSERT_EQ(list.ColumnCount(), kHistoryColumnCount);
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        EXPECT_EQ(list.ColumnTitle(column), reference.Columns()[column].title);
        EXPECT_EQ(list.ColumnWidth(column), reference.Columns()[column].width) << column;
        EXPECT_EQ(list.model()->headerData(column, Qt::Horizontal).toString().toStdString(),
                  reference.Columns()[column].title);
    }
    EXPECT_TRUE(list.showGrid());
    EXPECT_TRUE(Header().sectionsMovable());
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list.model()->data(list.model()->index(0, 0), Qt::TextAlignmentRole), QVariant());
}

// Every cell, made when it is asked for, is the cell the history list's rows are made of.
TEST_F(HistoryListCtrlTest, ASearchShowsEveryCellAsTheHistoryListMakesIt) {
    StoreRecords(30);
    Search();

    MemoryListControl reference;
    InsertRecordColumns(reference, settings);
    LoadRecordsInRange(reference, "2024-03-05", "2024-03-06", settings);
    ASSERT_EQ(list.RowCount(), 30);
    ASSERT_EQ(list.model()->rowCount(), 30);
    for (int row = 0; row < 30; ++row) {
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            EXPECT_EQ(list.CellText(row, column), reference.CellText(row, column));
            EXPECT_EQ(list.model()->data(list.model()->index(row, column)).toString().toStdString(),
                      reference.CellText(row, column));
        }
    }
    EXPECT_EQ(list.model()->data(list.model()->index(0, 4), Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignCenter));
}

// A new search replaces the rows and keeps the columns as the user arranged them.
TEST_F(HistoryListCtrlTest, ASearchKeepsMovedAndResizedColumns) {
    StoreRecords(10);
    Search();
    Header().moveSection(Header().visualIndex(4), 0);
    list.SetColumnWidth(1, 77);
    list.selectRow(3);

    StoreRecords(5);
    Search();

    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(list.model()->rowCount(), 5);
    EXPECT_EQ(Header().logicalIndex(0), 4);
    EXPECT_EQ(list.ColumnWidth(1), 77);
    EXPECT_EQ(list.ColumnWidth(4), 180);
    EXPECT_TRUE(list.SelectedRows().empty());
}

TEST_F(HistoryListCtrlTest, SelectedRowsComeInAscendingOrderAndADeleteKeepsTheOthers) {
    StoreRecords(10);
    Search();
    const auto select = [&](int row) {
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    for (int row : {7, 2, 5})
        select(row);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 5, 7}));

    list.DeleteRow(5);

    EXPECT_EQ(list.RowCount(), 9);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 6}));
    EXPECT_EQ(list.CellText(5, 0), "7");
}

// A column of width 0 is dragged open from just right of the divider where it lies; the same
// drag a little to the left of the divider widens the column before it.
TEST_F(HistoryListCtrlTest, AHiddenColumnIsDraggedOpenFromRightOfItsDivider) {
    list.resize(4000, 300);
    QWidget* header = Header().viewport();
    const int divider = Header().sectionViewportPosition(23); // after UV, where 23..35 lie
    ASSERT_EQ(divider, Header().sectionViewportPosition(22) + list.ColumnWidth(22));

    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(divider + 2, 5));
    QTest::mouseMove(header, QPoint(divider + 62, 5));
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(divider + 62, 5));

    EXPECT_EQ(list.ColumnWidth(23), 60);
    EXPECT_EQ(list.ColumnWidth(22), 80);
    EXPECT_EQ(list.ColumnWidth(24), 0);
}

// Rows inserted one by one, outside a search, reach the view at once.
TEST_F(HistoryListCtrlTest, RowsOfTextsShowAsTheyAre) {
    for (const std::vector<std::string>& cells :
         std::initializer_list<std::vector<std::string>>{{"b", "x"}, {"a"}}) {
        CHistoryRows row;
        row.InsertCells(-1, cells, list.ColumnCount());
        EXPECT_EQ(list.InsertRows(0, std::move(row)), 0);
    }
    EXPECT_EQ(list.model()->rowCount(), 2);
    EXPECT_EQ(list.CellText(1, 1), "x");
    EXPECT_EQ(list.CellText(0, 1), "");
    EXPECT_EQ(list.CellText(0, 99), "");
    list.DeleteAllRows();
    EXPECT_EQ(list.model()->rowCount(), 0);
}

} // namespace

#pragma once

#include "station/records/HistoryRows.h"
#include "station/records/ListControl.h"

#include <string>
#include <utility>

// A list without a window that keeps its rows as the history dialog's list does (CHistoryRows)
// and counts its columns: what filling a list costs beyond reading the records, and how a list
// that takes its rows over as they are packed is filled.
class RowsOnlyList final : public IListControl {
public:
    int InsertColumn(int column, const std::string&, int, ListColumnFormat) override {
        column = column < 0 || column > m_columns ? m_columns : column;
        ++m_columns;
        return column;
    }
    int ColumnCount() const override { return m_columns; }
    void DeleteAllRows() override { m_rows.Clear(); }
    int InsertRows(int row, CHistoryRows&& rows) override {
        return m_rows.Insert(row, std::move(rows));
    }
    int RowCount() const override { return m_rows.Count(); }
    std::string CellText(int row, int column) const override {
        return column < m_columns ? m_rows.CellText(row, column) : std::string();
    }
    void BeginUpdate() override {}
    void EndUpdate() override {}

    // Bytes held for the rows.
    std::size_t HeldBytes() const { return m_rows.HeldBytes(); }

private:
    int m_columns = 0;
    CHistoryRows m_rows;
};

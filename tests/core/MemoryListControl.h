#pragma once

#include "station/records/HistoryRows.h"
#include "station/records/ListControl.h"

#include <string>
#include <vector>

// The list interface over plain vectors, for tests and the benchmark. It also watches the
// update brackets, so that a test can see a bulk fill kept inside one.
class MemoryListControl final : public IListControl {
public:
    struct Column {
        std::string title;
        int width;
        ListColumnFormat format;
    };

    int InsertColumn(int column, const std::string& title, int width,
                     ListColumnFormat format) override {
        if (column < 0 || column > ColumnCount())
            column = ColumnCount();
        m_columns.insert(m_columns.begin() + column, Column{title, width, format});
        for (std::vector<std::string>& row : m_rows)
            row.insert(row.begin() + column, std::string());
        return column;
    }
    int ColumnCount() const override { return static_cast<int>(m_columns.size()); }

    void DeleteAllRows() override { m_rows.clear(); }
    // Takes each row's cell texts.
    int InsertRows(int row, CHistoryRows&& rows) override {
        if (row < 0 || row > RowCount())
            row = RowCount();
        if (m_updates == 0)
            m_rowsOutsideUpdate += rows.Count();
        for (int added = 0; added < rows.Count(); ++added) {
            std::vector<std::string> cells;
            for (int column = 0; column < ColumnCount(); ++column)
                cells.push_back(rows.CellText(added, column));
            m_rows.insert(m_rows.begin() + row + added, std::move(cells));
        }
        rows.Clear();
        return row;
    }
    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    std::string CellText(int row, int column) const override {
        if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
            return {};
        return m_rows[row][column];
    }

    void BeginUpdate() override { ++m_updates; }
    void EndUpdate() override { --m_updates; }

    const std::vector<Column>& Columns() const { return m_columns; }
    // Open update brackets: 0 when every BeginUpdate has had its EndUpdate.
    int OpenUpdates() const { return m_updates; }
    // Rows inserted while no update bracket was open.
    int RowsOutsideUpdate() const { return m_rowsOutsideUpdate; }

private:
    std::vector<Column> m_columns;
    std::vector<std::vector<std::string>> m_rows;
    int m_updates = 0;
    int m_rowsOutsideUpdate = 0;
};

#pragma once

#include "station/HistoryList.h"
#include "station/HistoryRows.h"
#include "station/ListControl.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The rows as the history dialog's list keeps them (CHistoryRows), without the window: what a
// fill costs the list beyond reading the records, and how a list of such rows is filled.
class RowsOnlyList final : public IListControl {
public:
    int InsertColumn(int column, const std::string&, int, ListColumnFormat) override {
        return column;
    }
    int ColumnCount() const override { return kHistoryColumnCount; }
    void DeleteAllRows() override { m_rows.Clear(); }
    int InsertRow(int row, std::vector<std::string> cells) override {
        return m_rows.InsertCells(row, cells, kHistoryColumnCount);
    }
    int InsertRecordRow(int row, std::span<const std::string_view> fields,
                        const std::shared_ptr<const HistoryCellForms>& forms) override {
        return m_rows.InsertRecord(row, fields, forms);
    }
    void AppendRecordRows(CHistoryRows&& rows) override { m_rows.Append(std::move(rows)); }
    int RowCount() const override { return m_rows.Count(); }
    std::string CellText(int row, int column) const override {
        return m_rows.CellText(row, column);
    }
    void BeginUpdate() override {}
    void EndUpdate() override {}

    std::size_t HeldBytes() const { return m_rows.HeldBytes(); }

private:
    CHistoryRows m_rows;
};

#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CHistoryRows;
class HistoryCellForms;

// How a column's cells are aligned.
enum class ListColumnFormat { kLeft, kRight, kCenter };

// A report-style list of text rows under titled columns, as the history dialog shows stored
// records. The station core fills and reads it through this interface; the dialog's list
// implements it. Rows come by the hundred thousand, so a row arrives whole, and a bulk fill is
// bracketed by BeginUpdate and EndUpdate so that a list on screen can take in all its rows at
// once instead of one by one.
class IListControl {
public:
    // Inserts a column at position `column` (0..ColumnCount()); returns its position. A width of
    // 0 hides the column; its cells are kept and read like any others.
    virtual int InsertColumn(int column, const std::string& title, int width,
                             ListColumnFormat format) = 0;
    virtual int ColumnCount() const = 0;

    virtual void DeleteAllRows() = 0;
    // Inserts a row at index `row` (0..RowCount(), anything else appends) whose cells, column by
    // column, are `cells`: missing cells are empty, cells beyond the last column are dropped.
    // Returns the index of the new row.
    virtual int InsertRow(int row, std::vector<std::string> cells) = 0;
    // Inserts at `row` the row that shows a stored record, given by the texts of its fields
    // behind the columns (HistoryCellForms::Fields), its cells made by `forms` (HistoryList.h).
    // The default inserts all its cell texts at once; a list of many rows may keep the field
    // texts instead and make each cell when it is asked for.
    virtual int InsertRecordRow(int row, std::span<const std::string_view> fields,
                                const std::shared_ptr<const HistoryCellForms>& forms);
    // Appends the rows of `rows` (HistoryRows.h) and leaves it empty. The default inserts each
    // row's cell texts; a list that keeps such rows may take them over as they are.
    virtual void AppendRecordRows(CHistoryRows&& rows);
    virtual int RowCount() const = 0;
    // The text of one cell; "" outside the list.
    virtual std::string CellText(int row, int column) const = 0;

    // Between the two, rows may be deleted and inserted without the list being redrawn.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

protected:
    ~IListControl() = default;
};

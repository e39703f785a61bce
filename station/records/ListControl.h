#pragma once

#include <string>

class CHistoryRows;

// How a column's cells are aligned.
enum class ListColumnFormat { kLeft, kRight, kCenter };

// A report-style list of text rows under titled columns, as the history dialog shows stored
// records. The station core fills and reads it through this interface; the dialog's list
// implements it. Rows come by the hundred thousand, so they arrive packed, and a bulk fill is
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
    // Inserts the rows of `rows` (HistoryRows.h) at index `row` (0..RowCount(), anything else
    // appends), in their order, leaves `rows` empty and returns the index of the first. A row's
    // cells, column by column, are its cell texts: missing cells are empty, cells beyond the last
    // column are not shown. A list that keeps such rows takes them over as they are packed.
    virtual int InsertRows(int row, CHistoryRows&& rows) = 0;
    virtual int RowCount() const = 0;
    // The text of one cell; "" outside the list.
    virtual std::string CellText(int row, int column) const = 0;

    // Between the two, rows may be deleted and inserted without the list being redrawn.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

protected:
    ~IListControl() = default;
};

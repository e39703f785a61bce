#pragma once

#include "station/records/HistoryRows.h"
#include "station/records/ListControl.h"

#include <string>
#include <vector>

#include <QTableView>

class CHistoryListModel;

// The history dialog's list of stored records: a report view with grid lines, full-row and
// multiple selection, columns the user can move and resize, and a column of width 0 hidden
// until the user drags it open from just right of the divider where it lies. Its rows are kept
// compact (CHistoryRows) and each cell's text is made when the list shows or hands it out, so
// ten years of records fit in it.
class CHistoryListCtrl final : public QTableView, public IListControl {
    Q_OBJECT

public:
    explicit CHistoryListCtrl(QWidget* parent = nullptr);
    ~CHistoryListCtrl() override;

    int InsertColumn(int column, const std::string& title, int width,
                     ListColumnFormat format) override;
    int ColumnCount() const override;
    void DeleteAllRows() override;
    int InsertRows(int row, CHistoryRows&& rows) override;
    int RowCount() const override;
    std::string CellText(int row, int column) const override;
    // Between the two the list is not told of each row: it takes in all of them at the end.
    void BeginUpdate() override;
    void EndUpdate() override;

    // Columns by their index of insertion, wherever the user has moved them.
    std::string ColumnTitle(int column) const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);

    // The selected rows, in ascending order.
    std::vector<int> SelectedRows() const;
    void DeleteRow(int row);
    // Shows the last row.
    void ScrollToBottom();

private:
    CHistoryListModel* m_model;
};

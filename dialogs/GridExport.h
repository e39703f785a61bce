#pragma once

#include "platform/qt/Dialog.h"

#include <string>
#include <vector>

class QListWidget;

// The column chooser of the history export: the offered columns, all selected at first, which
// the user picks and puts in order. The caller fills m_entries with the offered-column entries
// (GridExportFile.h) and sets m_header; after IDOK, m_entries holds the chosen columns' labels
// in the chosen order, m_separator the text between two cells and m_header whether a header
// line is written.
class CGridExportDlg : public CDialog {
    Q_OBJECT

public:
    static constexpr int kMaxChosenColumns = 50;

    explicit CGridExportDlg(QWidget* parent = nullptr);

    std::vector<std::string> m_entries;
    std::string m_separator;
    int m_header = 0;

    QListWidget& Columns() const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

private:
    void OnMoveUp();
    void OnMoveDown();
    // Moves the caret item one place up (-1) or down (+1), keeping its selection.
    void MoveCaretItem(int step);
};

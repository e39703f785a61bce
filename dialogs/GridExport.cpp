#include "dialogs/GridExport.h"

#include "dialogs/core/GridExportFile.h"
#include "platform/qt/DataExchange.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <QListWidget>

namespace {

constexpr char kCaption[] = "Export Grid Data";
// The export separates cells by commas: the separator list stays hidden.
const std::string kCellSeparator = ",";

} // namespace

CGridExportDlg::CGridExportDlg(QWidget* parent) : CDialog(kGridExportDialogRow, parent) {
    MessageMap<CGridExportDlg>({
        {Notification::kClicked, IDC_GRID_EXPORT_UP, &CGridExportDlg::OnMoveUp},
        {Notification::kClicked, IDC_GRID_EXPORT_DOWN, &CGridExportDlg::OnMoveDown},
    });
}

QListWidget& CGridExportDlg::Columns() const {
    return *GetDlgItem<QListWidget>(IDC_GRID_EXPORT_COLUMNS);
}

void CGridExportDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_GRID_EXPORT_HEADER, m_header);
}

bool CGridExportDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setWindowTitle(QString::fromUtf8(kCaption));
    QListWidget& columns = Columns();
    for (const std::string& entry : m_entries) {
        columns.addItem(QString::fromStdString(ChosenColumnLabel(entry)));
        columns.item(columns.count() - 1)->setSelected(IsEntryPreselected(entry));
    }
    if (columns.count() > 0)
        columns.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    SetCurSel(IDC_GRID_EXPORT_SEPARATOR, 0);
    return true;
}

void CGridExportDlg::OnMoveUp() {
    MoveCaretItem(-1);
}

void CGridExportDlg::OnMoveDown() {
    MoveCaretItem(+1);
}

void CGridExportDlg::MoveCaretItem(int step) {
    QListWidget& columns = Columns();
    const int caret = columns.currentRow();
    const int target = caret + step;
    if (caret < 0 || target < 0 || target >= columns.count())
        return;
    const bool selected = columns.item(caret)->isSelected();
    QListWidgetItem* item = columns.takeItem(caret);
    columns.insertItem(target, item);
    item->setSelected(selected);
    columns.setCurrentRow(target, QItemSelectionModel::NoUpdate);
    columns.scrollToItem(item);
}

void CGridExportDlg::OnOK() {
    const QListWidget& columns = Columns();
    m_entries.clear();
    for (int i = 0; i < columns.count() && static_cast<int>(m_entries.size()) < kMaxChosenColumns;
         ++i) {
        if (columns.item(i)->isSelected())
            m_entries.push_back(columns.item(i)->text().toStdString());
    }
    if (m_entries.empty()) {
        MessageBox(Tr(kTextSelectData), Tr(kTextOperationNotify), kMbIconWarning);
        return;
    }
    m_header = 1;
    m_separator = kCellSeparator;
    CDialog::OnOK();
}

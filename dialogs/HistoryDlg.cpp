#include "dialogs/HistoryDlg.h"

#include "controls/HistoryListCtrl.h"
#include "dialogs/ConsoleAccess.h"
#include "dialogs/GridExport.h"
#include "dialogs/OperationQuestion.h"
#include "dialogs/core/GridExportFile.h"
#include "platform/FileReplace.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/FileDialog.h"
#include "resources/ResourceIds.h"
#include "station/records/HistoryList.h"
#include "station/records/RecordLayer.h"
#include "texts/Env.h"
#include "texts/OwnTexts.h"
#include "texts/TextEntries.h"

#include <algorithm>

namespace {

// Text-table entries of the dialog.

const SaveFileRequest kCsvFile{"CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||", "csv",
                               "Talvorin.csv", true};

ControlFactories ListFactory() {
    ControlFactories factories;
    factories.ForId(IDC_HISTORY_LIST, [](const DialogControl&, QWidget* parent) {
        return new CHistoryListCtrl(parent);
    });
    return factories;
}

} // namespace

CHistoryDlg::CHistoryDlg(QWidget* parent, CWeatherComm& comm)
    : CDialog(kHistoryDialogRow, parent, ListFactory()), m_comm(comm),
      m_timeSpan(*this, CTimeSpanControls::UserDefined::kSetsNow),
      m_resize(IDC_HISTORY_LIST,
               {IDC_HISTORY_REFRESH, IDC_HISTORY_CLEAR_DATA, IDC_HISTORY_CLEAR_MEMORY,
                IDC_HISTORY_GRAPH, IDC_HISTORY_EXPORT, IDCANCEL}) {
    MessageMap<CHistoryDlg>({
        {Notification::kClicked, IDC_HISTORY_REFRESH, &CHistoryDlg::OnRefresh},
        {Notification::kClicked, IDC_HISTORY_SEARCH, &CHistoryDlg::OnSearch},
        {Notification::kClicked, IDC_HISTORY_GRAPH, &CHistoryDlg::OnGraph},
        {Notification::kClicked, IDC_HISTORY_DELETE, &CHistoryDlg::OnDelete},
        {Notification::kSelChange, IDC_HISTORY_RANGE, &CHistoryDlg::ApplyRangePreset},
        {Notification::kClicked, IDC_HISTORY_CLEAR_DATA, &CHistoryDlg::OnClearData},
        {Notification::kClicked, IDC_HISTORY_EXPORT, &CHistoryDlg::OnExport},
        {Notification::kClicked, IDC_HISTORY_CLEAR_MEMORY, &CHistoryDlg::OnClearMemory},
    });
}

CHistoryListCtrl& CHistoryDlg::List() const {
    return *GetDlgItem<CHistoryListCtrl>(IDC_HISTORY_LIST);
}

bool CHistoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    bool read = false;
    {
        const CConsoleAccess console(*this, m_comm);
        if (!console.IsTaken()) {
            OnOK();
            return true;
        }
        read = m_comm.ReadFixedBlock(m_settings, 0, false);
    }
    if (!read)
        MessageBox(Tr(kTextReadSetupFailed));
    InsertRecordColumns(List(), m_settings);
    SetCurSel(CTimeSpanControls::kRangeCombo, 0);
    m_timeSpan.SetUp();
    ApplyRangePreset();
    OnSearch();
    return true;
}

void CHistoryDlg::OnSize(int width, int height) {
    CDialog::OnSize(width, height);
    m_resize.OnSize(*this, width, height);
}

void CHistoryDlg::ApplyRangePreset() {
    m_timeSpan.ApplyRangePreset();
}

void CHistoryDlg::OnSearch() {
    if (m_timeSpan.ReadSearchSpan(m_startText, m_endText))
        OnRefresh();
}

void CHistoryDlg::OnRefresh() {
    LoadRecordsInRange(List(), m_startText, m_endText, m_settings);
    List().ScrollToBottom();
}

// The list shows what the data file holds: rows go only once their records have gone from it.
void CHistoryDlg::OnDelete() {
    const std::vector<int> rows = List().SelectedRows();
    if (rows.empty() || !ConfirmOperation(*this, kTextDeleteQuestion))
        return;
    CWeatherRecordArray records(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        ReadHistoryRow(records[i], List(), rows[i]);
    if (!DeleteRecords(records)) {
        MessageBox(Tr(kOwnTextDataFileBusy));
        return;
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        List().DeleteRow(*row);
}

void CHistoryDlg::OnClearData() {
    if (!ConfirmOperation(*this, kTextClearDataQuestion))
        return;
    if (!ClearDataFile()) {
        MessageBox(Tr(kOwnTextDataFileBusy));
        return;
    }
    List().DeleteAllRows();
}

void CHistoryDlg::OnClearMemory() {
    if (!ConfirmOperation(*this, kTextClearMemoryQuestion))
        return;
    bool cleared = false;
    {
        const CConsoleAccess console(*this, m_comm);
        if (!console.IsTaken())
            return;
        cleared = m_comm.ClearHistoryCount();
    }
    if (!cleared)
        MessageBox(Tr(kOwnTextClearMemoryFailed));
}

void CHistoryDlg::OnGraph() {
    EndDialog(IDCANCEL);
    if (QWidget* owner = parentWidget())
        PostCommand(*owner, ID_RECORD_GRAPH);
}

std::vector<std::string> CHistoryDlg::OfferedColumns() const {
    const CHistoryListCtrl& list = List();
    std::vector<std::string> entries;
    for (int column = 0; column < list.ColumnCount(); ++column) {
        const int width = list.ColumnWidth(column);
        if (width > 0)
            entries.push_back(OfferedColumnEntry(column + 1, list.ColumnTitle(column), width));
    }
    return entries;
}

void CHistoryDlg::OnExport() {
    const CHistoryListCtrl& list = List();
    CGridExportDlg chooser(this);
    chooser.m_entries = OfferedColumns();
    chooser.m_header = 1;
    if (chooser.DoModal() != IDOK)
        return;
    std::string path;
    if (!ShowSaveFileDialog(this, kCsvFile, path))
        return;
    if (IsExportPathTooLong(path)) {
        MessageBox(Tr(kTextFileNameTooLong), Tr(kTextOperationNotify), kMbIconInformation);
        return;
    }
    const std::string text =
        BuildGridCsv(list, chooser.m_entries, chooser.m_header != 0, chooser.m_separator);
    // An export killed while writing left its temporary file beside the target: the user's
    // folder keeps none of them. A failed write removes its own.
    RemoveAbandonedTemporariesBeside(path);
    if (!ReplaceFileWith(path, text))
        MessageBox(Tr(kOwnTextExportFailed));
}

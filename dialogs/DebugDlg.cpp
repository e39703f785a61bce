#include "dialogs/DebugDlg.h"

#include "dialogs/ConsoleAccess.h"
#include "platform/qt/DataExchange.h"
#include "platform/qt/UiThread.h"
#include "resources/ResourceIds.h"
#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"
#include "texts/TextEntries.h"

#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The log's three switches, each a box of the dialog and a switch the senders read.
struct LogSwitch {
    int id;
    std::atomic<bool> CDebugLogSink::*box;
};
constexpr LogSwitch kLogSwitches[] = {
    {IDC_DEBUG_READ, &CDebugLogSink::m_readDebug},
    {IDC_DEBUG_WRITE, &CDebugLogSink::m_writeDebug},
    {IDC_DEBUG_DATA, &CDebugLogSink::m_dataDebug},
};

// The console's texts end their lines with CR LF; the log control ends them with LF.
QString LogLines(const std::string& text) {
    QString lines = QString::fromStdString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

} // namespace

CDebugDlg::CDebugDlg(QWidget* parent, CWeatherComm& comm)
    : CDialog(IDD_DEBUG, parent), m_comm(comm) {
    // The senders see a box's new state at once.
    for (const LogSwitch& logSwitch : kLogSwitches)
        On(Notification::kClicked, logSwitch.id,
           [this, logSwitch] { this->*logSwitch.box = IsDlgButtonChecked(logSwitch.id) == 1; });
    MessageMap<CDebugDlg>({
        {Notification::kClicked, IDC_DEBUG_CLEAR, &CDebugDlg::OnClear},
        {Notification::kClicked, IDC_DEBUG_SETUP_READ, &CDebugDlg::OnSetupRead},
        {Notification::kClicked, IDC_DEBUG_DATA_READ, &CDebugDlg::OnDataRead},
    });
}

CDebugDlg::~CDebugDlg() {
    // A report under way from the monitor thread waits for this thread: let it through.
    DetachDebugLog(this, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
}

bool CDebugDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The log grows with the window; the column beside it keeps its distance to the right edge.
    AnchorControls({{IDC_DEBUG_LOG, kAnchorGrow},
                    {IDC_DEBUG_READ, kAnchorRight},
                    {IDC_DEBUG_WRITE, kAnchorRight},
                    {IDC_DEBUG_DATA, kAnchorRight},
                    {IDC_DEBUG_RECORD_NO_LABEL, kAnchorRight},
                    {IDC_DEBUG_RECORD_NO, kAnchorRight},
                    {IDC_DEBUG_SETUP_READ, kAnchorRight},
                    {IDC_DEBUG_DATA_READ, kAnchorRight},
                    {IDC_DEBUG_CLEAR, kAnchorRight},
                    {IDCANCEL, kAnchorRight}});
    return true;
}

void CDebugDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    for (const LogSwitch& logSwitch : kLogSwitches) {
        int state = (this->*logSwitch.box) ? 1 : 0;
        DDX_Check(dx, logSwitch.id, state);
        if (dx.m_saveAndValidate && !dx.Failed())
            this->*logSwitch.box = state == 1;
    }
    DDX_Text(dx, IDC_DEBUG_RECORD_NO, m_recordNo);
    DDV_MinMaxInt(dx, m_recordNo, 0, kMaxRecordNo);
}

void CDebugDlg::OnDebugLog(DebugLogKind kind, const CWeatherSettings& settings) {
    RunOnUiThread([&] {
        if ((kind == DEBUGLOG_READ || kind == DEBUGLOG_WRITE) && IsLogOn(kind))
            AppendLog(settings.FormatDebugText());
    });
}

void CDebugDlg::OnDebugLog(const CWeatherRecord& record) {
    RunOnUiThread([&] {
        if (IsLogOn(DEBUGLOG_DATA))
            AppendLog(record.FormatDebugText());
    });
}

void CDebugDlg::OnDebugLog(const std::string& text) {
    RunOnUiThread([&] {
        if (IsLogOn(DEBUGLOG_TEXT) && !text.empty())
            AppendLog(text);
    });
}

void CDebugDlg::AppendLog(const std::string& text) {
    auto* log = GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG);
    if (!log)
        return;
    QTextCursor end(log->document());
    end.movePosition(QTextCursor::End);
    end.insertText(LogLines("\r\n\r\n" + text));
    log->setTextCursor(end);
    log->ensureCursorVisible();
}

std::string CDebugDlg::LogText() const {
    const auto* log = GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG);
    return log ? log->toPlainText().toStdString() : std::string();
}

void CDebugDlg::OnClear() {
    if (auto* log = GetDlgItem<QPlainTextEdit>(IDC_DEBUG_LOG))
        log->clear();
}

void CDebugDlg::ReadOnDemand(const std::function<bool(std::string& text)>& read) {
    std::string text;
    bool done = false;
    {
        const CConsoleAccess console(*this, m_comm);
        if (!console.IsTaken())
            return;
        done = read(text);
    }
    if (done)
        AppendLog(text);
    else
        MessageBox(Tr(kTextReadSetupFailed));
}

void CDebugDlg::OnSetupRead() {
    ReadOnDemand([this](std::string& text) {
        CWeatherSettings settings;
        if (!m_comm.ReadFixedBlock(settings, kWholeBlock, true))
            return false;
        text = settings.FormatDebugText();
        return true;
    });
}

void CDebugDlg::OnDataRead() {
    // A number the validation refused is not read: its message has been shown.
    if (!UpdateData(true))
        return;
    ReadOnDemand([this](std::string& text) {
        CWeatherRecord record;
        if (!m_comm.ReadLatestRecord(record, m_recordNo, true))
            return false;
        text = record.FormatDebugText();
        return true;
    });
}

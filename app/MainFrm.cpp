#include "app/MainFrm.h"

#include "app/MyStatusBar.h"
#include "dialogs/AlarmDlg.h"
#include "dialogs/DebugDlg.h"
#include "dialogs/GraphDlg_Tee8.h"
#include "dialogs/HistoryDlg.h"
#include "dialogs/LanguageDlg.h"
#include "dialogs/ScopeDlg.h"
#include "dialogs/SetupDlg.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/MenuBuilder.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/UiThread.h"
#include "program/Config.h"
#include "program/ConsoleAbsenceText.h"
#include "program/WakeEvent.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

// What PreCreateWindow leaves free below the window, for the desktop's task bar.
constexpr int kBottomMargin = 25;

QString Text(const std::map<int, std::string>& strings, int id) {
    const auto it = strings.find(id);
    return it == strings.end() ? QString() : QString::fromStdString(it->second);
}

} // namespace

CMainFrame::CMainFrame(CWeatherComm& comm, MainViewFactory makeView)
    : m_comm(comm), m_makeView(std::move(makeView)), m_commands(new CommandActions(*this)),
      m_wndStatusBar(new CMyStatusBar(comm, this)), m_wndToolBar(new QToolBar(this)) {
    setObjectName("mainFrame");
    m_linkTimer.setObjectName(QString::number(kLinkTimerId));
    m_linkTimer.setInterval(kLinkTimerMs);
    connect(&m_linkTimer, &QTimer::timeout, this, &CMainFrame::OnTimer);
    connect(m_commands, &CommandActions::Command, this, &CMainFrame::OnCommand);
}

CMainFrame::~CMainFrame() {
    // From here on status texts are dropped, also those the monitor thread sends while the view
    // below waits for it to end.
    m_windowExists = false;
    m_linkTimer.stop();
    delete m_view.widget;
    // Only now, with the monitor thread ended, the debug dialog goes; it waits itself for a
    // report still under way.
    delete m_debugDlg;
}

void CMainFrame::PreCreateWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect wanted(0, 0, screen->geometry().width(),
                       screen->geometry().height() - kBottomMargin);
    setGeometry(wanted.intersected(screen->availableGeometry()));
}

bool CMainFrame::OnCreate() {
    PreCreateWindow();
    const int resourceId = static_cast<int>(ResourceId(kDocumentTemplateRow));
    if (!CreateMenu(resourceId))
        return false;
    if (!CreateToolBar())
        return false;

    setStatusBar(m_wndStatusBar);
    std::map<int, std::string> strings;
    ResourceError error;
    if (!LoadStringTable(resourceId, strings, error)) {
        qWarning("Failed to create status bar: %s", error.Describe().c_str());
        return false;
    }
    m_idleText = Text(strings, IDS_IDLE_MESSAGE);
    m_wndStatusBar->SetPaneText(m_idleText);
    m_wndStatusBar->SetLinkPaneWidthText(Text(strings, ID_INDICATOR_STATUS));
    setWindowTitle(Text(strings, IDS_UNTITLED) + " - " + Text(strings, IDS_APP_TITLE));

    if (!IsDebugMenuOn())
        RemoveMenuCommand(*menuBar(), ID_DEBUG);
    ApplyCommandPrompts(strings, *m_commands);

    m_view = m_makeView(this);
    setCentralWidget(m_view.widget);

    m_linkTimer.start();
    m_windowExists = true;
    return true;
}

bool CMainFrame::CreateMenu(int resourceId) {
    MenuTemplate menu;
    AcceleratorTable keys;
    ResourceError error;
    if (!LoadMenuTemplate(resourceId, menu, error) ||
        !LoadAcceleratorTable(resourceId, keys, error)) {
        qWarning("Failed to create menu: %s", error.Describe().c_str());
        return false;
    }
    BuildMenuBar(menu, *menuBar(), *m_commands);
    ApplyAccelerators(keys, *m_commands);
    for (QAction* bar :
         {m_commands->Action(ID_VIEW_TOOLBAR), m_commands->Action(ID_VIEW_STATUS_BAR)}) {
        bar->setCheckable(true);
        bar->setChecked(true);
    }
    return true;
}

bool CMainFrame::CreateToolBar() {
    ToolBarTemplate buttons;
    ResourceError error;
    const QPixmap images = LoadBitmapResource(IDB_TOOLBAR);
    if (!LoadToolBarTemplate(IDR_MAINFRAME, buttons, error) || images.isNull()) {
        qWarning("Failed to create toolbar: %s", error.Describe().c_str());
        return false;
    }
    m_wndToolBar->setObjectName("toolBar");
    BuildToolBar(buttons, images, *m_wndToolBar, *m_commands);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this, [this] {
        m_commands->Action(ID_VIEW_TOOLBAR)->setChecked(m_wndToolBar->isVisibleTo(this));
    });
    return true;
}

void CMainFrame::InitialUpdateFrame() {
    show();
    if (m_view.onInitialUpdate)
        m_view.onInitialUpdate();
}

int CMainFrame::OnStatusText(const char* text) {
    RunOnUiThread([this, text] {
        if (!m_windowExists)
            return;
        m_wndStatusBar->SetPaneText(QString::fromUtf8(text));
        m_statusTextShown = true;
    });
    return 0;
}

// With SearchData off, the first connection stops the polling for good: from then on a tick
// does nothing, neither checking the link nor blinking the bells.
void CMainFrame::OnTimer() {
    if (!m_comm.IsPollingLink())
        return;
    m_comm.Connect();
    if (IsSearchDataOn() && !m_comm.IsPollingLink()) {
        // A console just plugged in (or found at start) is read now rather than after the rest
        // of the monitor thread's one-minute pause. The wake comes before polling goes on, and
        // the thread reads only with polling on: a reading that begins then answers the wake,
        // so the link coming up never adds a second reading to the one it started.
        g_wakeEvent.Set();
        m_comm.EnableLinkPolling();
    }
    if (m_comm.HasLinkChanged())
        m_wndStatusBar->InvalidateLinkPane();
    ShowConsoleAbsence(m_comm.Absence());
    if (m_view.toggleBells)
        m_view.toggleBells();
}

// Told when the reason changes, and again over a status text that came while the link was
// down, which belongs to a reading the link broke off; a command prompt keeps the pane. A
// console that comes back gives the pane back to the idle text before the monitor thread,
// woken in the same tick, sends its first text.
void CMainFrame::ShowConsoleAbsence(ConsoleAbsence absence) {
    const bool statusTextOfBrokenLink = absence != ConsoleAbsence::kNone && m_statusTextShown;
    if (absence == m_shownAbsence && !statusTextOfBrokenLink)
        return;
    m_shownAbsence = absence;
    m_wndStatusBar->SetPaneText(IdleText());
    m_statusTextShown = false;
}

QString CMainFrame::IdleText() const {
    const char* absence = ConsoleAbsenceText(m_shownAbsence);
    return absence ? QString::fromUtf8(absence) : m_idleText;
}

bool CMainFrame::LoadSavedRange(int& preset, time_t (&times)[kRangeTimeCount]) const {
    if (m_rangePreset < 0)
        return false;
    preset = m_rangePreset;
    std::copy(std::begin(m_rangeTimes), std::end(m_rangeTimes), times);
    return true;
}

void CMainFrame::SaveRange(int preset, const time_t (&times)[kRangeTimeCount]) {
    m_rangePreset = preset;
    std::copy(std::begin(times), std::end(times), m_rangeTimes);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() != QEvent::StatusTip)
        return QMainWindow::event(event);
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    m_wndStatusBar->SetPaneText(tip.isEmpty() ? IdleText() : tip);
    m_statusTextShown = false;
    return true;
}

void CMainFrame::OnCommand(int command) {
    static const std::map<int, void (CMainFrame::*)()> kHandlers = {
        {ID_SYSTEM_SETUP, &CMainFrame::OnSetup},
        {ID_SYSTEM_ALARM, &CMainFrame::OnAlarm},
        {ID_SYSTEM_SCOPE, &CMainFrame::OnScope},
        {ID_DEBUG, &CMainFrame::OnDebug},
        {ID_RECORD_HISTORY, &CMainFrame::OnHistory},
        {ID_RECORD_GRAPH, &CMainFrame::OnGraph},
        {ID_LANGUAGE, &CMainFrame::OnLanguage},
        {ID_VIEW_TOOLBAR, &CMainFrame::OnViewToolBar},
        {ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar},
        {ID_APP_EXIT, &CMainFrame::OnAppExit},
        {ID_FILE_NEW, &CMainFrame::OnFileNew},
        {ID_FILE_OPEN, &CMainFrame::OnFileNew},
    };
    if (const auto it = kHandlers.find(command); it != kHandlers.end())
        (this->*it->second)();
}

void CMainFrame::OnSetup() {
    CSetupDlg dialog(this, m_comm);
    // The monitor thread shows the console's new settings at once.
    if (dialog.DoModal() == IDOK)
        g_wakeEvent.Set();
}

void CMainFrame::OnAlarm() {
    CAlarmDlg dialog(this, m_comm);
    if (dialog.DoModal() == IDOK)
        g_wakeEvent.Set();
}

void CMainFrame::OnScope() {
    CScopeDlg dialog(this, m_comm);
    dialog.DoModal();
}

// The one debug dialog, made on the first command and kept, with its log, for the whole run.
void CMainFrame::OnDebug() {
    if (!m_debugDlg) {
        auto dialog = std::make_unique<CDebugDlg>(this);
        if (!dialog->Create())
            return;
        m_debugDlg = dialog.release();
        g_debugDlg = m_debugDlg;
    }
    m_debugDlg->show();
    m_debugDlg->raise();
    m_debugDlg->activateWindow();
}

void CMainFrame::OnHistory() {
    CHistoryDlg dialog(this);
    LoadSavedRange(dialog.m_rangePreset, dialog.m_rangeTimes);
    dialog.DoModal();
    SaveRange(dialog.m_rangePreset, dialog.m_rangeTimes);
}

void CMainFrame::OnGraph() {
    CGraphDlg dialog(this);
    LoadSavedRange(dialog.m_rangePreset, dialog.m_rangeTimes);
    dialog.DoModal();
    SaveRange(dialog.m_rangePreset, dialog.m_rangeTimes);
}

void CMainFrame::OnLanguage() {
    CLanguageDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnViewToolBar() {
    m_wndToolBar->setVisible(!m_wndToolBar->isVisibleTo(this));
}

void CMainFrame::OnViewStatusBar() {
    m_wndStatusBar->setVisible(!m_wndStatusBar->isVisibleTo(this));
    m_commands->Action(ID_VIEW_STATUS_BAR)->setChecked(m_wndStatusBar->isVisibleTo(this));
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::OnFileNew() {
    if (m_view.onInitialUpdate)
        m_view.onInitialUpdate();
}

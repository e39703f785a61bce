#include "app/KR5160.h"

#include "app/AboutDlg.h"
#include "app/MainFrm.h"
#include "app/core/Config.h"
#include "app/core/LanguageSwitch.h"
#include "platform/ProgramStart.h"
#include "platform/SystemUtils.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/DesktopLocale.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/TerminationSignals.h"
#include "resources/ResourceIds.h"
#include "station/link/WeatherComm.h"
#include "store/ControlRegistration.h"
#include "store/FDB.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>

namespace {

constexpr const char* kDataFileName = "Talvorin.dat";
// How long a restarted copy waits for the program it replaces to let go of the data file.
constexpr int kPredecessorWaitMs = 60000;
// How long a start waits for a copy that is ending to let go of the single-instance name.
constexpr int kEndingCopyWaitMs = 5000;

} // namespace

CKR5160App::CKR5160App(std::string programFolder) : m_programFolder(std::move(programFolder)) {}

CKR5160App::~CKR5160App() {
    SetRestartHandler({});
}

bool CKR5160App::InitInstance() {
    if (!CheckSingleInstance())
        return false;
    AwaitPredecessor();
    m_signals = std::make_unique<TerminationSignals>();
    QObject::connect(m_signals.get(), &TerminationSignals::Received, [this] { EndRun(); });
    SetRestartHandler([this] { return Restart(); });
    // Relative names, such as the main form's background picture, are the program folder's.
    if (chdir(m_programFolder.c_str()) != 0)
        qWarning("Cannot change to the program folder %s", m_programFolder.c_str());
    g_fdb.Open(m_programFolder + kDataFileName);
    LoadIniSettingsFrom(m_programFolder);
    SetUpConsoleLink(g_weatherComm);
    if (!UseQtTextsIn(g_lang))
        qWarning("Qt's translations for %s are not installed", g_langName.c_str());
    if (!RegisterProductOcx())
        ShowMessageBox(nullptr, Tr(kTextAdministratorNeeded));
    // Asked to end while the message was shown, the program ends instead of opening its window.
    if (m_ending)
        return false;

    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->OnCreate())
        return false;
    QObject::connect(&m_frame->Commands(), &CommandActions::Command, m_frame.get(),
                     [this](int command) {
                         if (command == ID_APP_ABOUT)
                             OnAppAbout();
                     });
    const QIcon icon = LoadIconResource(IDR_MAINFRAME);
    QApplication::setWindowIcon(icon);
    m_frame->setWindowIcon(icon);
    m_frame->InitialUpdateFrame();
    return true;
}

bool CKR5160App::CheckSingleInstance() {
    if (m_instance.Claim())
        return true;
    // A copy that is ending (or no longer answers) lets go of the name within seconds: this
    // start then takes its place rather than ending without a window.
    const SingleInstance::Answer answer = m_instance.AskHolderToRaise(kInstanceName);
    return (answer == SingleInstance::Answer::kEnding ||
            answer == SingleInstance::Answer::kNoAnswer) &&
           m_instance.Claim(kEndingCopyWaitMs);
}

// A copy started by Restart holds the single-instance claim already; the data file is still
// open in the program it replaces until that one has ended.
void CKR5160App::AwaitPredecessor() {
    const UniqueFd predecessor(TakeHandedDownFd(kPredecessorVariable));
    if (predecessor.IsValid() && !WaitUntilPipeClosed(predecessor.Get(), kPredecessorWaitMs))
        qWarning("The program this one replaces has not ended; going on without it.");
}

void CKR5160App::EndRun() {
    m_ending = true;
    if (m_frame)
        m_frame->OnAppExit();
    QCoreApplication::exit(0);
}

bool CKR5160App::Restart() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return false;
    const UniqueFd waitEnd(ends[0]);
    UniqueFd holdEnd(ends[1]);
    std::vector<HandedDownFd> handedDown{{kPredecessorVariable, waitEnd.Get()}};
    if (const int lock = m_instance.HandOver(); lock >= 0)
        handedDown.push_back({SingleInstance::kHandedDownLockVariable, lock});

    char path[kModulePathSize];
    std::string error;
    if (!StartProgram(GetModulePath(path), {}, handedDown, error)) {
        qWarning("Cannot start the program again: %s", error.c_str());
        m_instance.TakeBack();
        return false;
    }
    // Left open on purpose: the system closes it once this process has ended, data file
    // closed, and only that lets the new copy go on.
    holdEnd.Release();
    EndRun();
    return true;
}

int CKR5160App::ExitInstance(int exitCode) {
    // The frame may take a moment to go, while the monitor thread ends: a start meanwhile
    // waits for this copy's end instead of looking for a window that is gone.
    m_instance.Withdraw();
    m_frame.reset();
    g_fdb.Close();
    return exitCode;
}

void CKR5160App::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.DoModal();
}

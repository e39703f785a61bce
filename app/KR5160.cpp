#include "app/KR5160.h"

#include "app/AboutDlg.h"
#include "app/Config.h"
#include "app/MainFrm.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/ResourceLibrary.h"
#include "resources/ResourceIds.h"
#include "store/ControlRegistration.h"
#include "store/FDB.h"
#include "texts/Env.h"

#include <unistd.h>

#include <QApplication>

namespace {

constexpr const char* kDataFileName = "Talvorin.dat";
constexpr int kAdministratorNeededText = 165;

} // namespace

CKR5160App::CKR5160App(std::string programFolder) : m_programFolder(std::move(programFolder)) {}

CKR5160App::~CKR5160App() = default;

bool CKR5160App::InitInstance() {
    if (!CheckSingleInstance())
        return false;
    // Relative names, such as the main form's background picture, are the program folder's.
    if (chdir(m_programFolder.c_str()) != 0)
        qWarning("Cannot change to the program folder %s", m_programFolder.c_str());
    g_fdb.Open(m_programFolder + kDataFileName);
    LoadIniSettingsFrom(m_programFolder);
    if (!RegisterProductOcx())
        ShowMessageBox(nullptr, Tr(kAdministratorNeededText));

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
    m_instance.AskHolderToRaise(kInstanceName);
    return false;
}

int CKR5160App::ExitInstance(int exitCode) {
    m_frame.reset();
    g_fdb.Close();
    return exitCode;
}

void CKR5160App::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.DoModal();
}

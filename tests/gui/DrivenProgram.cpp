// The program as the tests that run it as a process of its own drive it: its own start, run and
// end, over the console the program folder holds, with what a user does in it done once the
// console is connected, as TALVORIN_DRIVE names it:
//   "setup"       opens Setup, which reads the console's settings block;
//   "setup-save"  opens Setup, picks °F for the outdoor temperature once Setup shows, and saves,
//                 answering its question with Yes.
// Every other message is answered as its OK would.
#include "app/KR5160.h"
#include "app/MainFrm.h"
#include "dialogs/SetupDlg.h"
#include "platform/SystemUtils.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/DesktopLocale.h"
#include "platform/qt/MessageBox.h"
#include "resources/ResourceIds.h"
#include "station/link/WeatherComm.h"

#include <cstdlib>
#include <string>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kLookMs = 20;

MessageBoxAnswer AnswerAsAUserWould(const MessageBoxRequest& request) {
    return (request.style & 0x0F) == kMbYesNo ? kIdYes : kIdOk;
}

// Picks °F and presses Save once Setup shows, after its opening read; false until then.
bool SaveInShownSetup() {
    auto* setup = dynamic_cast<CSetupDlg*>(QApplication::activeModalWidget());
    if (!setup || !setup->isVisible())
        return false;
    setup->SetCurSel(IDC_SETUP_OUTDOOR_TEMPERATURE_UNIT, 1);
    setup->GetDlgItem<QPushButton>(IDC_SAVE)->click();
    return true;
}

// Carries out `step` every few milliseconds, also inside dialogs, until it returns true, and
// never again after that, not even in a dialog the step opens.
template <typename Step>
void RepeatUntilDone(Step step) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        timer->stop();
        if (step())
            timer->deleteLater();
        else
            timer->start();
    });
    timer->start(kLookMs);
}

void Drive(CMainFrame& frame, const std::string& steps) {
    RepeatUntilDone([&frame] {
        if (!g_weatherComm.IsConnected())
            return false;
        PostCommand(frame, ID_SYSTEM_SETUP);
        return true;
    });
    if (steps == "setup-save")
        RepeatUntilDone(SaveInShownSetup);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    KeepNumbersWithAPoint();
    CKR5160App app(GetModuleDir());
    if (!app.InitInstance())
        return app.ExitInstance(0);
    SetMessageBoxHook(AnswerAsAUserWould);
    if (const char* steps = std::getenv("TALVORIN_DRIVE"))
        Drive(*app.MainFrame(), steps);
    return app.ExitInstance(QApplication::exec());
}

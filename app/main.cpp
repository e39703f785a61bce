#include "app/KR5160.h"
#include "platform/SystemUtils.h"
#include "platform/qt/DesktopLocale.h"
#include "program/LanguageSwitch.h"

#include <cstdlib>
#include <string>

#include <QApplication>
#include <QTimer>

namespace {

// For the tests that run the program itself: TALVORIN_SWITCH_LANGUAGE=<index> switches to that
// language once the program runs, as Save in the language dialog does after its confirmation.
// The variable goes first, so that the restarted program does not switch again.
void SwitchLanguageOnRequest() {
    const char* request = std::getenv("TALVORIN_SWITCH_LANGUAGE");
    if (!request)
        return;
    const int lang = std::atoi(request);
    unsetenv("TALVORIN_SWITCH_LANGUAGE");
    QTimer::singleShot(0, [lang] { SaveLanguageAndRestart(lang); });
}

} // namespace

int main(int argc, char** argv) {
    // The desktop matches the windows to the desktop entry by these (the window class under X11,
    // the application id under Wayland); the file names would not do, as the launcher that
    // starts the program has a name of its own.
    QCoreApplication::setApplicationName(TALVORIN_WINDOW_CLASS);
    QGuiApplication::setDesktopFileName(TALVORIN_DESKTOP_ID);
    QApplication application(argc, argv);
    KeepNumbersWithAPoint();
    CKR5160App app(GetModuleDir());
    if (!app.InitInstance())
        return app.ExitInstance(0);
    SwitchLanguageOnRequest();
    return app.ExitInstance(QApplication::exec());
}

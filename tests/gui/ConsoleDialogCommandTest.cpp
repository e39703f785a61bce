#include "app/MainFrm.h"
#include "dialogs/AlarmDlg.h"
#include "dialogs/ScopeDlg.h"
#include "dialogs/SetupDlg.h"
#include "platform/qt/CommandActions.h"
#include "program/WakeEvent.h"
#include "resources/ResourceIds.h"
#include "tests/gui/ConsoleDialogFixture.h"
#include "tests/gui/FakeMainView.h"

#include <chrono>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

// The frame's System commands over the console emulator: each opens its dialog modally; the
// user's hand is played from inside the dialog's run.
class ConsoleDialogCommandTest : public EmulatedConsoleDialogTest {
protected:
    ConsoleDialogCommandTest() { g_wakeEvent.Wait(0ms); }

    // Runs `command` and, once its dialog is up, `inside` on that dialog; then closes what is
    // still open. Returns the class name of the dialog that opened.
    std::string RunCommand(int command, std::function<void(CDialog&)> inside) {
        std::string opened;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<CDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            opened = dialog->metaObject()->className();
            inside(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start(10);
        m_frame->Commands().Find(command)->trigger();
        return opened;
    }

    std::unique_ptr<CMainFrame> m_frame = [this] {
        auto frame = std::make_unique<CMainFrame>(m_comm, MakeMainView<FakeMainView>);
        EXPECT_TRUE(frame->OnCreate());
        return frame;
    }();
};

TEST_F(ConsoleDialogCommandTest, SetupSavedWakesTheMonitorThread) {
    EXPECT_EQ(RunCommand(ID_SYSTEM_SETUP, [](CDialog& dialog) { Click(dialog, IDC_SAVE); }),
              "CSetupDlg");
    EXPECT_TRUE(g_wakeEvent.Wait(0ms));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Do you want save?"});
}

TEST_F(ConsoleDialogCommandTest, SetupCancelledLetsTheThreadSleep) {
    EXPECT_EQ(RunCommand(ID_SYSTEM_SETUP, [](CDialog&) {}), "CSetupDlg");
    EXPECT_FALSE(g_wakeEvent.Wait(0ms));
}

TEST_F(ConsoleDialogCommandTest, AlarmSavedWakesTheMonitorThread) {
    // Thresholds the dialog accepts, in the console's units.
    CWeatherSettings settings = Decoded(kSimulatedBlock);
    settings.outHumiLowAlarm = "20";
    settings.uvHighAlarm = "05";
    const FixedBlock block = Encoded(settings);
    m_emulator.SetMemory(0, std::vector<std::uint8_t>(block.begin(), block.end()));
    EXPECT_EQ(RunCommand(ID_SYSTEM_ALARM, [](CDialog& dialog) { Click(dialog, IDC_SAVE); }),
              "CAlarmDlg");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Do you want save?"});
    EXPECT_TRUE(g_wakeEvent.Wait(0ms));
}

TEST_F(ConsoleDialogCommandTest, ScopeOpensTheMinMaxRecords) {
    EXPECT_EQ(RunCommand(ID_SYSTEM_SCOPE, [](CDialog&) {}), "CScopeDlg");
    EXPECT_FALSE(g_wakeEvent.Wait(0ms));
}

} // namespace

#include "app/KR5160.h"
#include "app/MainFrm.h"
#include "app/core/Config.h"
#include "platform/qt/CommandActions.h"
#include "platform/qt/DesktopLocale.h"
#include "platform/qt/MessageBox.h"
#include "resources/ResourceIds.h"
#include "store/FDB.h"
#include "tests/core/ScopedSimulatedLink.h"
#include "tests/core/ScopedValue.h"
#include "tests/gui/OtherThread.h"
#include "tests/gui/RuntimeFolder.h"
#include "texts/Env.h"

#include <fstream>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

namespace {

// Start-up in a program folder of the test's own, with a configuration the test writes.
class AppStartupTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        m_savedCwd = cwd;
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            m_boxes.push_back(request.text);
            return kIdOk;
        });
    }
    void TearDown() override {
        SetMessageBoxHook({});
        UseQtTextsIn(0);
        ASSERT_EQ(chdir(m_savedCwd.c_str()), 0);
    }

    std::string Folder() const { return m_folder.path().toStdString() + "/"; }

    void WriteIni(const std::string& language) {
        std::ofstream(Folder() + "Talvorin.ini")
            << "[config]\nlanguage=" << language
            << "\n[communication]\nSearchData=false\nTestFlag=true\n";
    }

    ScopedRuntimeFolder m_runtime;
    QTemporaryDir m_folder;
    std::string m_savedCwd;
    std::vector<std::string> m_boxes;
    ScopedValue<int> m_lang{g_lang, 0};
    ScopedValue<std::string> m_langName{g_langName, ""};
    ScopedValue<std::string> m_searchData{g_searchData, ""};
    ScopedValue<std::string> m_testFlag{g_testFlag, ""};
    // The start chooses the program's link; the one before comes back afterwards.
    ScopedSimulatedLink m_link;
    ScopedValue<CLinkSettings> m_linkSettings{g_weatherComm.m_settings, {}};
    ScopedValue<std::string> m_debugFlag{g_debugFlag, ""};
};

struct StartCase {
    const char* language;
    int lang;
    QString title;
    QString firstMenu;
    QString no; // Qt's own No button
};

class AppLanguageTest : public AppStartupTest, public testing::WithParamInterface<StartCase> {};

TEST_P(AppLanguageTest, StartsInTheConfiguredLanguageFromItsProgramFolder) {
    WriteIni(GetParam().language);
    CKR5160App app(Folder());
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(g_lang, GetParam().lang);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_TRUE(g_fdb.IsOpen());
    EXPECT_EQ(g_fdb.Path(), Folder() + "Talvorin.dat");
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(m_folder.path()).canonicalPath());

    const CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), GetParam().title);
    EXPECT_EQ(frame->menuBar()->actions().value(0)->text(), GetParam().firstMenu);
    EXPECT_FALSE(frame->windowIcon().isNull());
    const auto question = MakeMessageBox(nullptr, {"?", "", kMbYesNo | kMbIconQuestion});
    EXPECT_EQ(question->button(QMessageBox::No)->text(), GetParam().no);

    EXPECT_EQ(app.ExitInstance(3), 3);
    EXPECT_FALSE(g_fdb.IsOpen());
    EXPECT_EQ(app.MainFrame(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AppLanguageTest,
    testing::Values(StartCase{"English", 0, "Untitled - Talvorin", "&Display", "&No"},
                    StartCase{"Deutsch", 1, "Unbenannt - Talvorin", "&Ansicht", "&Nein"},
                    StartCase{"dansk", 2, "Unavngivet - Talvorin", "&Vis", "&Nej"}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.language; });

TEST_F(AppStartupTest, TheAboutCommandOpensTheAboutBoxOverTheFrame) {
    WriteIni("Danish");
    CKR5160App app(Folder());
    ASSERT_TRUE(app.InitInstance());
    QString caption;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            caption = box->windowTitle();
            owner = box->parentWidget();
            box->close();
        }
    });
    app.MainFrame()->Commands().Find(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(caption, "Om Talvorin");
    EXPECT_EQ(owner, app.MainFrame());
    app.ExitInstance(0);
}

TEST_F(AppStartupTest, ASecondInstanceDoesNothingAtAll) {
    WriteIni("German");
    CKR5160App running(Folder());
    ASSERT_TRUE(running.CheckSingleInstance());

    CKR5160App second(Folder());
    bool started = true;
    RunOnAnotherThread([&] { started = second.InitInstance(); });
    EXPECT_FALSE(started);
    EXPECT_EQ(second.MainFrame(), nullptr);
    EXPECT_FALSE(g_fdb.IsOpen());
    EXPECT_EQ(g_lang, 0); // the configuration was not read
    EXPECT_EQ(QDir::current().canonicalPath(),
              QDir(QString::fromStdString(m_savedCwd)).canonicalPath());
}

struct SecondStartCase {
    const char* name;
    QString title; // of the running program's window
    bool raised;
};

class SecondStartTest : public AppStartupTest,
                        public testing::WithParamInterface<SecondStartCase> {};

// The program started once more, as a process of its own, finds this one running.
TEST_P(SecondStartTest, ExitsAndRaisesTheFirstWindowOnlyByItsExactTitle) {
    WriteIni("English");
    CKR5160App first(Folder());
    ASSERT_TRUE(first.InitInstance());
    CMainFrame* frame = first.MainFrame();
    frame->setWindowTitle(GetParam().title);
    frame->showMinimized();

    QProcess second;
    second.start(TALVORIN_EXECUTABLE, {});
    ASSERT_TRUE(second.waitForStarted(5000));
    const QDeadlineTimer deadline(20000);
    while (second.state() != QProcess::NotRunning && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(frame->isMinimized(), !GetParam().raised);
    first.ExitInstance(0);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, SecondStartTest,
    testing::Values(SecondStartCase{"English", "Talvorin Radio Controlled", true},
                    SecondStartCase{"German", "Talvorin - Funk-Wetter-Station", false},
                    SecondStartCase{"BeforeTheMonitorThreadSetsIt", "Untitled - Talvorin", false}),
    [](const testing::TestParamInfo<SecondStartCase>& info) { return info.param.name; });

} // namespace

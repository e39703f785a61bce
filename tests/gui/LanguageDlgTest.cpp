#include "dialogs/LanguageDlg.h"

#include "app/MainFrm.h"
#include "platform/Profile.h"
#include "platform/qt/CommandActions.h"
#include "program/Config.h"
#include "program/LanguageSwitch.h"
#include "resources/ResourceIds.h"
#include "station/link/WeatherComm.h"
#include "tests/core/ScopedValue.h"
#include "tests/gui/FakeMainView.h"

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The language dialog over a configuration file of the test's own, with the restart replaced
// by a recorder.
class LanguageDlgTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        std::ofstream(IniPath()) << "[config]\nlanguage=English\n";
        LoadIniSettingsFrom(m_folder.path().toStdString());
        g_lang = m_startLanguage;
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            m_boxes.push_back(request);
            return request.style & kMbYesNo ? m_answer : kIdOk;
        });
        SetRestartHandler([this] {
            m_languageAtRestart = StoredLanguage();
            return m_restartStarts;
        });
    }
    void TearDown() override {
        m_dialog.reset();
        SetRestartHandler({});
        SetMessageBoxHook({});
        g_weatherComm.m_busy = false;
    }

    std::string IniPath() const { return m_folder.path().toStdString() + "/Talvorin.ini"; }
    std::string StoredLanguage() const {
        return ReadProfileString(IniPath(), "config", "language", "", 19);
    }

    CLanguageDlg& Open(int lang) {
        g_lang = lang;
        m_dialog = std::make_unique<CLanguageDlg>(nullptr);
        EXPECT_TRUE(m_dialog->Create());
        m_dialog->show();
        return *m_dialog;
    }

    QStringList Items() const {
        QStringList items;
        const QComboBox* list = m_dialog->Combo(IDC_LANGUAGE_LIST);
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }

    // Picks a language in the list the way the user does, with the keyboard.
    void Pick(int index) {
        QComboBox* list = m_dialog->Combo(IDC_LANGUAGE_LIST);
        list->setFocus();
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index)
            QTest::keyClick(list, Qt::Key_Up);
    }

    void Save() { m_dialog->GetDlgItem<QAbstractButton>(IDC_SAVE)->click(); }

    ScopedValue<int> m_lang{g_lang, 0};
    ScopedValue<std::string> m_langName{g_langName, "English"};
    QTemporaryDir m_folder;
    int m_startLanguage = 0;
    std::unique_ptr<CLanguageDlg> m_dialog;
    std::vector<MessageBoxRequest> m_boxes;
    MessageBoxAnswer m_answer = kIdYes;
    std::string m_languageAtRestart;
    bool m_restartStarts = true;
};

TEST_F(LanguageDlgTest, OpenedInGermanItSpeaksGermanWithGermanPicked) {
    CLanguageDlg& dialog = Open(1);
    EXPECT_EQ(dialog.windowTitle(), "Sprache auswählen");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LANGUAGE_GROUP), "Sprache");
    EXPECT_EQ(Items(), (QStringList{"Englisch", "Deutsch", "Danish"}));
    EXPECT_EQ(dialog.GetCurSel(IDC_LANGUAGE_LIST), 1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LANGUAGE_LIST), "Deutsch");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SAVE), "Speichern");
    EXPECT_EQ(dialog.GetDlgItemText(IDCANCEL), "Beenden");
}

TEST_F(LanguageDlgTest, PickingALanguageRelabelsAtOnceAndWritesNothing) {
    CLanguageDlg& dialog = Open(2);
    EXPECT_EQ(dialog.windowTitle(), "Sprog");
    EXPECT_EQ(Items(), (QStringList{"Engelsk", "Tysk", "Danish"}));
    Pick(0);
    EXPECT_EQ(dialog.windowTitle(), "Language");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LANGUAGE_GROUP), "Language");
    EXPECT_EQ(Items(), (QStringList{"English", "German", "Danish"}));
    EXPECT_EQ(dialog.GetCurSel(IDC_LANGUAGE_LIST), 0);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SAVE), "Save");
    EXPECT_EQ(dialog.GetDlgItemText(IDCANCEL), "Cancel");
    Pick(1);
    EXPECT_EQ(dialog.windowTitle(), "Sprache auswählen");
    EXPECT_EQ(StoredLanguage(), "English");
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(g_lang, 2);
}

TEST_F(LanguageDlgTest, SaveWithNoWritesNothingAndStaysOpen) {
    m_answer = kIdNo;
    CLanguageDlg& dialog = Open(0);
    Pick(2);
    Save();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(StoredLanguage(), "English");
    EXPECT_TRUE(m_languageAtRestart.empty());
    EXPECT_FALSE(g_weatherComm.m_busy);
}

TEST_F(LanguageDlgTest, SaveWithYesAsksInTheCurrentLanguageWritesTheKeyAndRestarts) {
    CLanguageDlg& dialog = Open(0);
    Pick(2);
    Save();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Do you want save and restart application?");
    EXPECT_EQ(m_boxes[0].caption, "Operation Notify");
    EXPECT_EQ(m_boxes[0].style, kMbYesNo | kMbIconQuestion);
    EXPECT_EQ(m_languageAtRestart, "Danish"); // stored before the restart
    EXPECT_EQ(g_lang, 2);
    EXPECT_EQ(g_langName, "Danish");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_TRUE(g_weatherComm.m_busy); // no console access while the program goes down
}

TEST_F(LanguageDlgTest, SaveWithTheCurrentLanguageStillWritesAndRestarts) {
    m_startLanguage = 1;
    std::ofstream(IniPath()) << "[config]\nlanguage=Deutsch\n";
    Open(1);
    Save();
    EXPECT_EQ(m_languageAtRestart, "German");
}

TEST_F(LanguageDlgTest, AConfigurationThatCannotBeWrittenIsToldAndTheProgramStays) {
    LoadIniSettingsFrom(m_folder.path().toStdString() + "/missing");
    CLanguageDlg& dialog = Open(1);
    Pick(0);
    Save();
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, "Die Sprache konnte nicht in Talvorin.ini gespeichert werden!");
    EXPECT_TRUE(m_languageAtRestart.empty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(g_lang, 1);
    EXPECT_FALSE(g_weatherComm.m_busy);
}

TEST_F(LanguageDlgTest, AProgramThatCannotBeStartedAgainIsToldAndTheRunningOneStays) {
    m_restartStarts = false;
    CLanguageDlg& dialog = Open(0);
    Pick(1);
    Save();
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, LanguageSwitchFailureText(LanguageSwitch::kNotRestarted));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(g_lang, 0);
    EXPECT_EQ(g_langName, "English");
    EXPECT_FALSE(g_weatherComm.m_busy);
}

TEST_F(LanguageDlgTest, ABusyConsoleIsToldAndNothingIsWritten) {
    g_weatherComm.m_busy = true;
    CLanguageDlg& dialog = Open(0);
    Pick(1);
    Save();
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, "The device is busy! Please wait for a while.");
    EXPECT_EQ(StoredLanguage(), "English");
    EXPECT_TRUE(dialog.isVisible());
}

TEST(LanguageCommandTest, TheCommandRunsTheDialogOverTheFrame) {
    ScopedValue<int> lang{g_lang, 2};
    CWeatherComm comm;
    CMainFrame frame(comm, MakeMainView<FakeMainView>);
    ASSERT_TRUE(frame.OnCreate());
    frame.show();
    QString caption;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            caption = dialog->windowTitle();
            owner = dialog->parentWidget();
            dialog->close();
        }
    });
    frame.Commands().Find(ID_LANGUAGE)->trigger();
    EXPECT_EQ(caption, "Sprog");
    EXPECT_EQ(owner, &frame);
}

} // namespace

#include "program/LanguageSwitch.h"

#include "platform/Profile.h"
#include "program/Config.h"
#include "tests/core/FileTestSupport.h"
#include "tests/core/ScopedValue.h"
#include "texts/Env.h"

#include <gtest/gtest.h>

namespace {

class LanguageSwitchTest : public testing::Test {
protected:
    void SetUp() override {
        WriteBytes(m_folder.Path("Talvorin.ini"), "[config]\nlanguage=English\n");
        LoadIniSettingsFrom(m_folder.Path());
        SetRestartHandler([this] {
            ++m_restarts;
            m_languageAtRestart = Language();
            return m_restartStarts;
        });
    }
    void TearDown() override { SetRestartHandler({}); }

    std::string Language() const {
        return ReadProfileString(m_folder.Path("Talvorin.ini"), "config", "language", "", 19);
    }

    TempFolder m_folder;
    ScopedValue<int> m_lang{g_lang, 0};
    ScopedValue<std::string> m_langName{g_langName, "English"};
    int m_restarts = 0;
    std::string m_languageAtRestart;
    bool m_restartStarts = true;
};

TEST_F(LanguageSwitchTest, StoresTheLanguageBeforeTheRestartAndTakesItOn) {
    EXPECT_EQ(SaveLanguageAndRestart(2), LanguageSwitch::kRestarting);
    EXPECT_EQ(m_restarts, 1);
    EXPECT_EQ(m_languageAtRestart, "Danish");
    EXPECT_EQ(g_lang, 2);
    EXPECT_EQ(g_langName, "Danish");
}

TEST_F(LanguageSwitchTest, TheCurrentLanguageIsStoredAndRestartedAsWell) {
    EXPECT_EQ(SaveLanguageAndRestart(0), LanguageSwitch::kRestarting);
    EXPECT_EQ(m_restarts, 1);
    EXPECT_EQ(Language(), "English");
}

TEST_F(LanguageSwitchTest, ARestartThatFailsLeavesTheRunningLanguage) {
    m_restartStarts = false;
    EXPECT_EQ(SaveLanguageAndRestart(1), LanguageSwitch::kNotRestarted);
    EXPECT_EQ(Language(), "German"); // for the next start
    EXPECT_EQ(g_lang, 0);
    EXPECT_EQ(g_langName, "English");
    EXPECT_STREQ(LanguageSwitchFailureText(LanguageSwitch::kNotRestarted),
                 "The program could not be started again. The new language applies at the next "
                 "start.");
}

TEST_F(LanguageSwitchTest, WithoutAnyRestartNothingEnds) {
    SetRestartHandler({});
    EXPECT_EQ(SaveLanguageAndRestart(1), LanguageSwitch::kNotRestarted);
    EXPECT_EQ(g_lang, 0);
}

TEST_F(LanguageSwitchTest, AConfigurationThatCannotBeWrittenStopsBeforeTheRestart) {
    LoadIniSettingsFrom(m_folder.Path("missing-folder"));
    g_lang = 1;
    EXPECT_EQ(SaveLanguageAndRestart(2), LanguageSwitch::kNotSaved);
    EXPECT_EQ(m_restarts, 0);
    EXPECT_EQ(g_lang, 1);
    EXPECT_EQ(Language(), "English");
    EXPECT_STREQ(LanguageSwitchFailureText(LanguageSwitch::kNotSaved),
                 "Die Sprache konnte nicht in Talvorin.ini gespeichert werden!");
}

TEST_F(LanguageSwitchTest, LanguagesAreStoredByTheirEnglishNames) {
    EXPECT_STREQ(LanguageName(0), "English");
    EXPECT_STREQ(LanguageName(1), "German");
    EXPECT_STREQ(LanguageName(2), "Danish");
    EXPECT_STREQ(LanguageName(7), "English");
}

} // namespace

#include "app/core/Config.h"

#include "platform/Profile.h"
#include "station/link/WeatherComm.h"
#include "tests/core/ScopedValue.h"
#include "tests/core/TestEnvironment.h"
#include "texts/Env.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace testenv;

constexpr const char* kDefaultCopyright = "Copyright (C) Talvorin";
constexpr const char* kDefaultUpdateLink = "https://www.talvorin.example/update";

class ConfigTest : public testing::Test {
protected:
    ~ConfigTest() override { g_lang = 0; }

    std::string Ini() const { return m_folder.File("Talvorin.ini"); }
    std::string AboutFile() const { return m_folder.File("AboutPellamar.ini"); }
    void Load(const std::string& iniText) {
        WriteFile(Ini(), iniText);
        LoadIniSettingsFrom(m_folder.Path());
    }
    std::string IniAbout(const char* key) const {
        return ReadProfileString(Ini(), "about", key, "<missing>", 100);
    }

    TempFolder m_folder;
};

TEST_F(ConfigTest, WithoutAFileEverythingTakesItsDefaultAndNoFileIsMade) {
    g_lang = 2;
    LoadIniSettingsFrom(m_folder.Path());
    EXPECT_EQ(g_langName, "English");
    EXPECT_EQ(g_lang, 0);
    EXPECT_EQ(g_usbDeviceVid, 6465);
    EXPECT_EQ(g_usbDevicePid, 32801);
    EXPECT_EQ(g_searchData, "true");
    EXPECT_EQ(g_testFlag, "false");
    EXPECT_EQ(g_debugFlag, "false");
    EXPECT_EQ(g_aboutVersion, "Talvorin Version 1.0");
    EXPECT_EQ(g_aboutCopyright, kDefaultCopyright);
    EXPECT_EQ(g_aboutDescription, "Software Update:");
    EXPECT_EQ(g_aboutUpdateLink, kDefaultUpdateLink);
    EXPECT_FALSE(Exists(Ini()));
}

TEST_F(ConfigTest, ReadsEveryKeyAndTheFolderNeedsNoTrailingSeparator) {
    WriteFile(Ini(), "[config]\nlanguage=Danish\n"
                     "[communication]\nUsbDeviceVid=1234\nUsbDevicePid=5678\n"
                     "SearchData=0\nTestFlag=TRUE\nDebugFlag=1\n"
                     "[about]\nversion=V\ncopyright=C\ndescription=D\nsoftupdate=S\n");
    std::string folder = m_folder.Path();
    folder.pop_back();
    LoadIniSettingsFrom(folder);
    EXPECT_EQ(g_lang, 2);
    EXPECT_EQ(g_usbDeviceVid, 1234);
    EXPECT_EQ(g_usbDevicePid, 5678);
    EXPECT_FALSE(IsSearchDataOn());
    EXPECT_TRUE(IsTestMode());
    EXPECT_TRUE(IsDebugMenuOn());
    EXPECT_EQ(g_aboutVersion + g_aboutCopyright + g_aboutDescription + g_aboutUpdateLink, "VCDS");
}

struct LanguageCase {
    const char* value;
    int lang;
    friend void PrintTo(const LanguageCase& c, std::ostream* os) { *os << '"' << c.value << '"'; }
};

class ConfigLanguageTest : public ConfigTest, public testing::WithParamInterface<LanguageCase> {};

TEST_P(ConfigLanguageTest, OnlyTheFirstThreeLettersCountIgnoringCase) {
    Load(std::string("[config]\nlanguage=") + GetParam().value + "\n");
    EXPECT_EQ(g_lang, GetParam().lang);
}

INSTANTIATE_TEST_SUITE_P(Names, ConfigLanguageTest,
                         testing::Values(LanguageCase{"English", 0}, LanguageCase{"ENGLISH", 0},
                                         LanguageCase{"enu", 0}, LanguageCase{"German", 1},
                                         LanguageCase{"Deutsch", 1}, LanguageCase{"DEU", 1},
                                         LanguageCase{"gerMAN", 1}, LanguageCase{"Danish", 2},
                                         LanguageCase{"dansk", 2}, LanguageCase{"French", 0},
                                         LanguageCase{"Fr", 0}, LanguageCase{"De", 0},
                                         LanguageCase{"", 0}));

TEST_F(ConfigTest, AnEmptyLanguageIsEnglishAndALongOneIsCut) {
    Load("[config]\nlanguage=\n");
    EXPECT_EQ(g_langName, "English");
    Load("[config]\nlanguage=German and a name far too long\n");
    EXPECT_EQ(g_langName, "German and a name f");
    EXPECT_EQ(g_lang, 1);
}

struct SwitchCase {
    const char* value;
    bool on;
    friend void PrintTo(const SwitchCase& c, std::ostream* os) {
        *os << testing::PrintToString(std::string(c.value));
    }
};

class ConfigSearchDataTest : public ConfigTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(ConfigSearchDataTest, IsOffOnlyForFalseOrZero) {
    Load(std::string("[communication]\nSearchData=") + GetParam().value + "\n");
    EXPECT_EQ(IsSearchDataOn(), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigSearchDataTest,
                         testing::Values(SwitchCase{"FALSE", false}, SwitchCase{"false", false},
                                         SwitchCase{"0", false}, SwitchCase{"no", true},
                                         SwitchCase{"00", true}, SwitchCase{"", true},
                                         SwitchCase{"\"false\"", false}));

class ConfigTestFlagTest : public ConfigTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(ConfigTestFlagTest, IsOnOnlyForTrueOrOne) {
    Load(std::string("[communication]\nTestFlag=") + GetParam().value +
         "\nDebugFlag=" + GetParam().value + "\n");
    EXPECT_EQ(IsTestMode(), GetParam().on);
    EXPECT_EQ(IsDebugMenuOn(), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigTestFlagTest,
                         testing::Values(SwitchCase{"True", true}, SwitchCase{"1", true},
                                         SwitchCase{" TRUE ", true}, SwitchCase{"yes", false},
                                         SwitchCase{"01", false}, SwitchCase{"", false}));

class ConsoleLinkChoiceTest : public testing::TestWithParam<SwitchCase> {};

// The test switch, as the configuration holds it, chooses the link once at set-up; the USB ids
// go with it either way.
TEST_P(ConsoleLinkChoiceTest, IsTheSimulatedConsoleOnlyForTrueOrOne) {
    const ScopedValue<std::string> flag(g_testFlag, GetParam().value);
    const ScopedValue<int> vendorId(g_usbDeviceVid, 1234);
    const ScopedValue<int> productId(g_usbDevicePid, 5678);
    CWeatherComm comm;
    SetUpConsoleLink(comm);
    EXPECT_EQ(comm.IsTestMode(), GetParam().on);
    EXPECT_EQ(comm.m_settings.vendorId, 1234);
    EXPECT_EQ(comm.m_settings.productId, 5678);
    if (GetParam().on) {
        EXPECT_TRUE(comm.Connect()) << "the simulated console is always there";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ConsoleLinkChoiceTest,
                         testing::Values(SwitchCase{"true", true}, SwitchCase{"TRUE", true},
                                         SwitchCase{"tRuE", true}, SwitchCase{"1", true},
                                         SwitchCase{"", false}, SwitchCase{"0", false},
                                         SwitchCase{"false", false}, SwitchCase{"yes", false},
                                         SwitchCase{"true ", false}, SwitchCase{" 1", false},
                                         SwitchCase{"01", false}, SwitchCase{"2", false}));

TEST_F(ConfigTest, SwitchTextsKeepNineCharacters) {
    Load("[communication]\nSearchData=0123456789\nTestFlag=\nDebugFlag=abcdefghijk\n");
    EXPECT_EQ(g_searchData, "012345678");
    EXPECT_EQ(g_testFlag, "false");
    EXPECT_EQ(g_debugFlag, "abcdefghi");
}

TEST_F(ConfigTest, UsbIdsAreDecimalWithTheirDefaultsWhenUnreadable) {
    Load("[communication]\nUsbDeviceVid=abc\nUsbDevicePid=\n");
    EXPECT_EQ(g_usbDeviceVid, 6465);
    EXPECT_EQ(g_usbDevicePid, 32801);
}

TEST_F(ConfigTest, EmptyAboutTextsTakeDefaultsExceptDescriptionAndUpdateLink) {
    Load("[about]\nversion=\ncopyright=\ndescription=\nsoftupdate=\n");
    EXPECT_EQ(g_aboutVersion, "Talvorin Version 1.0");
    EXPECT_EQ(g_aboutCopyright, kDefaultCopyright);
    EXPECT_EQ(g_aboutDescription, "");
    EXPECT_EQ(g_aboutUpdateLink, "");
}

TEST_F(ConfigTest, AboutTextsKeepFortyNineCharacters) {
    const std::string fifty(50, 'x');
    Load("[about]\nversion=" + fifty + "\n");
    EXPECT_EQ(g_aboutVersion, fifty.substr(0, 49));
}

TEST_F(ConfigTest, AnAboutFileWithOnlyAVersionImportsItAndTheDefaults) {
    WriteFile(AboutFile(), "[about]\nversion=Talvorin Version 2.0\n");
    Load("; mine\n[config]\nlanguage=German\n[about]\ncopyright=old\nsoftupdate=\n");

    EXPECT_EQ(g_aboutVersion, "Talvorin Version 2.0");
    EXPECT_EQ(g_aboutCopyright, kDefaultCopyright);
    EXPECT_EQ(g_aboutDescription, "Software Update:");
    EXPECT_EQ(g_aboutUpdateLink, kDefaultUpdateLink);
    EXPECT_EQ(IniAbout("version"), "Talvorin Version 2.0");
    EXPECT_EQ(IniAbout("copyright"), kDefaultCopyright);
    EXPECT_EQ(IniAbout("description"), "Software Update:");
    EXPECT_EQ(IniAbout("softupdate"), kDefaultUpdateLink);
    EXPECT_FALSE(Exists(AboutFile()));
    EXPECT_TRUE(ReadFile(Ini()).starts_with("; mine\n[config]\nlanguage=German\n"));
    EXPECT_EQ(g_lang, 1);
}

TEST_F(ConfigTest, AnImportedEmptyUpdateLinkStaysEmptyAfterTheNextStart) {
    WriteFile(AboutFile(), "[about]\nversion=V\ncopyright=C\ndescription=\nsoftupdate=\n");
    LoadIniSettingsFrom(m_folder.Path());
    EXPECT_EQ(IniAbout("softupdate"), "");
    LoadIniSettingsFrom(m_folder.Path());
    EXPECT_EQ(g_aboutVersion + g_aboutCopyright, "VC");
    EXPECT_EQ(g_aboutDescription, "");
    EXPECT_EQ(g_aboutUpdateLink, "");
}

TEST_F(ConfigTest, TheAboutFileStaysWhenTheConfigurationCannotTakeItsTexts) {
    std::filesystem::create_directory(Ini());
    WriteFile(AboutFile(), "[about]\nversion=V3\n");
    LoadIniSettingsFrom(m_folder.Path());
    EXPECT_EQ(g_aboutVersion, "V3");
    EXPECT_TRUE(Exists(AboutFile()));
}

TEST_F(ConfigTest, AFolderNamedLikeTheAboutFileIsNotImported) {
    std::filesystem::create_directory(AboutFile());
    Load("[about]\nversion=mine\n");
    EXPECT_EQ(g_aboutVersion, "mine");
    EXPECT_EQ(ReadFile(Ini()), "[about]\nversion=mine\n");
}

} // namespace

#include "texts/Env.h"

#include "texts/OwnTexts.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

class LanguageGuard {
public:
    explicit LanguageGuard(int lang) : m_saved(g_lang) { g_lang = lang; }
    ~LanguageGuard() { g_lang = m_saved; }

private:
    int m_saved;
};

TEST(TextTable, EveryEntryHasAllThreeLanguages) {
    for (std::size_t i = 0; i < kTextCount; ++i)
        for (int lang = 0; lang < kLanguageCount; ++lang)
            ASSERT_NE(TextTable[i][lang], nullptr) << "entry " << i << " language " << lang;
}

TEST(TextTable, FollowsTheCurrentLanguage) {
    {
        LanguageGuard german(1);
        EXPECT_STREQ(Tr(168), "Can't communicate with Gerät!");
        EXPECT_STREQ(Tr(128), "Bestätigung");
        EXPECT_STREQ(Tr(37), "Windbö\"");
    }
    {
        LanguageGuard danish(2);
        EXPECT_STREQ(Tr(168), "Can't communicate with enhed!");
        EXPECT_STREQ(Tr(128), "Betjening Bemårke");
    }
    LanguageGuard english(0);
    EXPECT_STREQ(Tr(3), "Talvorin Radio Controlled");
    EXPECT_STREQ(Tr(143), "data source ");
}

TEST(TextTable, DateAndTimeFormatsAreTheSameInEveryLanguage) {
    for (std::size_t i = 0; i <= 2; ++i) {
        EXPECT_STREQ(TextTable[i][0], TextTable[i][1]);
        EXPECT_STREQ(TextTable[i][0], TextTable[i][2]);
    }
}

TEST(TextTable, EntriesNoOneTranslatedAreEnglishEverywhere) {
    EXPECT_STREQ(TextTable[61][1], "French");
    EXPECT_STREQ(TextTable[137][2], "Comminucate");
}

// The program's own texts are translated each, and a format keeps its conversions in every
// language.
TEST(OwnTextTable, EveryEntryIsTranslatedAndKeepsItsConversions) {
    const auto conversions = [](const char* text) {
        std::string found;
        for (const char* c = std::strchr(text, '%'); c; c = std::strchr(c + 2, '%'))
            found += c[1];
        return found;
    };
    for (std::size_t i = 0; i < kOwnTextCount; ++i) {
        const char* const* texts = OwnTextTable[i];
        ASSERT_TRUE(texts[0] && texts[1] && texts[2]) << "entry " << i;
        EXPECT_STRNE(texts[0], texts[1]) << "entry " << i;
        EXPECT_STRNE(texts[0], texts[2]) << "entry " << i;
        EXPECT_EQ(conversions(texts[1]), conversions(texts[0])) << "entry " << i;
        EXPECT_EQ(conversions(texts[2]), conversions(texts[0])) << "entry " << i;
    }
    LanguageGuard danish(2);
    EXPECT_STREQ(Tr(kOwnTextExportFailed), "Filen kunne ikke skrives!");
}

TEST(ResourceIdTable, PicksTheTemplateOfTheCurrentLanguage) {
    LanguageGuard danish(2);
    EXPECT_EQ(ResourceId(kAlarmDialogRow), 315u);
    EXPECT_EQ(ResourceId(kSetupDialogRow), 299u);
    EXPECT_EQ(ResourceId(kDocumentTemplateRow), 298u);
    g_lang = 1;
    EXPECT_EQ(ResourceId(kSetupDialogRow), 298u);
    EXPECT_EQ(ResourceId(kMainFormRow), 132u);
}

} // namespace

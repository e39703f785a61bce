#include "platform/Profile.h"

#include "tests/core/TestEnvironment.h"

#include <climits>
#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

using namespace testenv;

constexpr std::size_t kRoomy = 100;

class ProfileTest : public testing::Test {
protected:
    std::string Ini() const { return m_folder.File("test.ini"); }
    std::string Read(const std::string& section, const std::string& key) const {
        return ReadProfileString(Ini(), section, key, "<default>", kRoomy);
    }

    TempFolder m_folder;
};

struct ReadCase {
    const char* what;
    std::string file;
    const char* section;
    const char* key;
    const char* expected;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }
};

class ProfileReadTest : public ProfileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileReadTest, FindsTheValueAsIniUsersExpect) {
    WriteFile(Ini(), GetParam().file);
    EXPECT_EQ(Read(GetParam().section, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileReadTest,
    testing::Values(
        ReadCase{"names ignore case", "[Config]\nLanguage=German\n", "CONFIG", "language",
                 "German"},
        ReadCase{"blanks trimmed", "[a]\n\t key \t=  two words \t\n", "a", "key", "two words"},
        ReadCase{"blanks in header", "  [ a ]  \nkey=v\n", "a", "key", "v"},
        ReadCase{"quotes removed", "[a]\nkey= \"  padded  \" \n", "a", "key", "  padded  "},
        ReadCase{"empty quotes", "[a]\nkey=\"\"\n", "a", "key", ""},
        ReadCase{"lone quote kept", "[a]\nkey=\"half\n", "a", "key", "\"half"},
        ReadCase{"present but empty", "[a]\nkey=\n", "a", "key", ""},
        ReadCase{"first equals splits", "[a]\nkey=x=y\n", "a", "key", "x=y"},
        ReadCase{"no trailing comments", "[a]\nkey=v ; note\n", "a", "key", "v ; note"},
        ReadCase{"comment lines", "[a]\n;key=1\n  #key=2\n", "a", "key", "<default>"},
        ReadCase{"other section", "[b]\nkey=v\n[a]\n", "a", "key", "<default>"},
        ReadCase{"before any section", "key=v\n[a]\n", "a", "key", "<default>"},
        ReadCase{"first key wins", "[a]\nkey=1\nKEY=2\n", "a", "key", "1"},
        ReadCase{"repeated section", "[a]\nx=1\n[b]\n[A]\nkey=2\n", "a", "key", "2"},
        ReadCase{"CR LF and BOM", "\xEF\xBB\xBF[a]\r\nkey=v\r\n", "a", "key", "v"},
        ReadCase{"no final break", "[a]\nkey=v", "a", "key", "v"},
        ReadCase{"header without ]", "[a\nkey=v\n", "a", "key", "v"},
        ReadCase{"text after ]", "[a] ; about\nkey=v\n", "a", "key", "v"},
        ReadCase{"garbage skipped", "[a]\nnonsense\n=v0\n\x01\xFF\nkey=v\n", "a", "key", "v"},
        ReadCase{"empty file", "", "a", "key", "<default>"},
        ReadCase{"binary", std::string("\0[a]\0key=v", 10), "a", "key", "<default>"}));

TEST_F(ProfileTest, AMissingFileGivesTheDefaultAndIsNotCreated) {
    EXPECT_EQ(Read("a", "key"), "<default>");
    EXPECT_EQ(ReadProfileInt(Ini(), "a", "key", 17), 17);
    EXPECT_FALSE(Exists(Ini()));
    EXPECT_EQ(ReadProfileString(m_folder.File("no/such/folder.ini"), "a", "key", "d", 9), "d");
}

TEST_F(ProfileTest, AFolderOrAPipeInPlaceOfTheFileGivesTheDefault) {
    std::filesystem::create_directory(Ini());
    EXPECT_EQ(Read("a", "key"), "<default>");
    const std::string pipe = m_folder.File("pipe.ini");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadProfileString(pipe, "a", "key", "d", 9), "d");
}

struct CutCase {
    std::string value;
    std::size_t maxChars;
    std::string expected;
    friend void PrintTo(const CutCase& c, std::ostream* os) {
        *os << c.value << " to " << c.maxChars;
    }
};

class ProfileCutTest : public ProfileTest, public testing::WithParamInterface<CutCase> {};

TEST_P(ProfileCutTest, KeepsAtMostTheGivenNumberOfCharacters) {
    WriteFile(Ini(), "[a]\nkey=" + GetParam().value + "\n");
    EXPECT_EQ(ReadProfileString(Ini(), "a", "key", "", GetParam().maxChars), GetParam().expected);
    EXPECT_EQ(ReadProfileString(Ini(), "a", "missing", GetParam().value, GetParam().maxChars),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileCutTest,
                         testing::Values(CutCase{"falsefalse", 9, "falsefals"},
                                         CutCase{"false", 9, "false"}, CutCase{"abc", 0, ""},
                                         CutCase{"Grüße", 3, "Grü"}, CutCase{"€€€", 2, "€€"},
                                         CutCase{"\x80\x80\x80", 2, "\x80\x80"},
                                         CutCase{"\xE2\x82x", 1, "\xE2\x82"}));

struct IntCase {
    const char* value;
    int expected;
    friend void PrintTo(const IntCase& c, std::ostream* os) { *os << '"' << c.value << '"'; }
};

class ProfileIntTest : public ProfileTest, public testing::WithParamInterface<IntCase> {};

TEST_P(ProfileIntTest, TakesTheLeadingDecimalDigits) {
    WriteFile(Ini(), std::string("[a]\nkey=") + GetParam().value + "\n");
    EXPECT_EQ(ReadProfileInt(Ini(), "A", "KEY", -99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileIntTest,
    testing::Values(IntCase{"6465", 6465}, IntCase{" 42 ", 42}, IntCase{"12abc", 12},
                    IntCase{"abc", -99}, IntCase{"", -99}, IntCase{"-5", -5}, IntCase{"+7", 7},
                    IntCase{"- 5", -99}, IntCase{"0x1941", 0}, IntCase{"\"32801\"", 32801},
                    IntCase{"99999999999", INT_MAX}, IntCase{"-99999999999", INT_MIN},
                    IntCase{"-2147483648", INT_MIN}));

TEST_F(ProfileTest, WritingCreatesTheFile) {
    ASSERT_TRUE(WriteProfileString(Ini(), "about", "version", "2.0"));
    EXPECT_EQ(ReadFile(Ini()), "[about]\nversion=2.0\n");
}

TEST_F(ProfileTest, WritingAKeyKeepsEveryOtherLine) {
    const std::string before = "; settings\n"
                               "[config]\n"
                               "Language = English ; pick one\n"
                               "\n"
                               "[about]\n"
                               "# shown in the About box\n"
                               "version=1.0\n"
                               "what is this\n"
                               "\n"
                               "[other]\n"
                               "x=1\n";
    WriteFile(Ini(), before);
    ASSERT_TRUE(WriteProfileString(Ini(), "CONFIG", "language", "German"));
    ASSERT_TRUE(WriteProfileString(Ini(), "about", "copyright", "(C) me"));
    ASSERT_TRUE(WriteProfileString(Ini(), "new", "k", "v"));
    EXPECT_EQ(ReadFile(Ini()), "; settings\n"
                               "[config]\n"
                               "Language=German\n"
                               "\n"
                               "[about]\n"
                               "# shown in the About box\n"
                               "version=1.0\n"
                               "what is this\n"
                               "copyright=(C) me\n"
                               "\n"
                               "[other]\n"
                               "x=1\n"
                               "\n"
                               "[new]\n"
                               "k=v\n");
}

TEST_F(ProfileTest, WritingTheValueAKeyAlreadyHoldsLeavesTheFileAlone) {
    WriteFile(Ini(), "[a]\nkey = \"v\" \n");
    struct stat before {};
    ASSERT_EQ(stat(Ini().c_str(), &before), 0);
    ASSERT_TRUE(WriteProfileString(Ini(), "A", "KEY", "v"));
    struct stat after {};
    ASSERT_EQ(stat(Ini().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(ReadFile(Ini()), "[a]\nkey = \"v\" \n");
}

TEST_F(ProfileTest, WritingKeepsTheLineEndsAndTheByteOrderMark) {
    WriteFile(Ini(), "\xEF\xBB\xBF[a]\r\nkey=1\r\n[b]\r\nmixed=1\nlast=1");
    ASSERT_TRUE(WriteProfileString(Ini(), "a", "key", "2"));
    ASSERT_TRUE(WriteProfileString(Ini(), "b", "added", "3"));
    ASSERT_TRUE(WriteProfileString(Ini(), "c", "new", "4"));
    EXPECT_EQ(ReadFile(Ini()), "\xEF\xBB\xBF[a]\r\nkey=2\r\n[b]\r\nmixed=1\nlast=1\r\n"
                               "added=3\r\n\r\n[c]\r\nnew=4\r\n");
}

TEST_F(ProfileTest, WritingUnderABrokenHeaderKeepsIt) {
    WriteFile(Ini(), "[a\nkey=1\n\x01garbage\n");
    ASSERT_TRUE(WriteProfileString(Ini(), "a", "key", "2"));
    EXPECT_EQ(ReadFile(Ini()), "[a\nkey=2\n\x01garbage\n");
}

class ProfileRoundTripTest : public ProfileTest, public testing::WithParamInterface<std::string> {};

TEST_P(ProfileRoundTripTest, ReadsBackWhatWasWritten) {
    ASSERT_TRUE(WriteProfileString(Ini(), "a", "key", GetParam()));
    EXPECT_EQ(Read("a", "key"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileRoundTripTest,
                         testing::Values("", "plain", "  padded\t", "\"quoted\"", "\"", "a=b",
                                         "x ; y", "[not a header]", "Grüße"));

struct RefusedCase {
    const char* section;
    const char* key;
    const char* value;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) {
        *os << testing::PrintToString(std::string(c.section) + "|" + c.key + "|" + c.value);
    }
};

class ProfileRefusalTest : public ProfileTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(ProfileRefusalTest, RefusesWhatAnIniFileCannotHoldAndChangesNothing) {
    WriteFile(Ini(), "[a]\nkey=1\n");
    EXPECT_FALSE(WriteProfileString(Ini(), GetParam().section, GetParam().key, GetParam().value));
    EXPECT_EQ(ReadFile(Ini()), "[a]\nkey=1\n");
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProfileRefusalTest,
    testing::Values(RefusedCase{"", "key", "v"}, RefusedCase{" a", "key", "v"},
                    RefusedCase{"a]b", "key", "v"}, RefusedCase{"a\nb", "key", "v"},
                    RefusedCase{"a", "", "v"}, RefusedCase{"a", "k=y", "v"},
                    RefusedCase{"a", ";key", "v"}, RefusedCase{"a", "[key", "v"},
                    RefusedCase{"a", "key ", "v"}, RefusedCase{"a", "key", "1\n[b]"},
                    RefusedCase{"a", "key", "1\r"}));

TEST_F(ProfileTest, AFileThatCannotBeReadIsNotOverwritten) {
    std::filesystem::create_directory(Ini());
    EXPECT_FALSE(WriteProfileString(Ini(), "a", "key", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(Ini()));
    EXPECT_FALSE(WriteProfileString(m_folder.File("no/such/folder.ini"), "a", "key", "v"));
}

TEST_F(ProfileTest, WritingLeavesNoTemporaryFileAndKeepsThePermissions) {
    WriteFile(Ini(), "[a]\n");
    ASSERT_EQ(chmod(Ini().c_str(), 0640), 0);
    ASSERT_TRUE(WriteProfileString(Ini(), "a", "key", "v"));
    struct stat info {};
    ASSERT_EQ(stat(Ini().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    const auto entries = std::distance(std::filesystem::directory_iterator(m_folder.Path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

} // namespace

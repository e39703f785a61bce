#include "platform/SystemUtils.h"

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    std::string text, head, rest;
};

class SplitFirstTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitFirstTest, CutsAtTheFirstDelimiterOnly) {
    std::string text = GetParam().text;
    EXPECT_EQ(SplitFirst(text, ","), GetParam().head);
    EXPECT_EQ(text, GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitFirstTest,
                         testing::Values(SplitCase{"a,b", "a", "b"}, SplitCase{"a, b", "a", " b"},
                                         SplitCase{"a,b,c", "a", "b,c"},
                                         SplitCase{"abc", "abc", ""}, SplitCase{"", "", ""},
                                         SplitCase{",a", "", "a"}, SplitCase{"a,", "a", ""},
                                         SplitCase{" a ,b", " a ", "b"}));

TEST(SplitFirst, OnlyTheFirstCharacterOfTheDelimiterCounts) {
    std::string text = "a;b,c";
    EXPECT_EQ(SplitFirst(text, ",;"), "a;b");
    EXPECT_EQ(text, "c");
}

TEST(ModulePath, IsTheRunningExecutableAndItsFolderEndsInASeparator) {
    char buffer[kModulePathSize];
    const std::string path = GetModulePath(buffer);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(access(path.c_str(), X_OK), 0);

    const std::string dir = GetModuleDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(path.substr(0, dir.size()), dir);
    EXPECT_EQ(path.find('/', dir.size()), std::string::npos);
}

} // namespace

#include "platform/ComRegistry.h"

#include "tests/core/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using namespace testenv;

constexpr const char* kClassId = "{BDEB0088-66F9-4A55-ABD2-0BF8DEEC1196}";

struct PathCase {
    std::optional<std::string> registry, configHome, home;
    std::string expected;
    friend void PrintTo(const PathCase& c, std::ostream* os) {
        for (const auto& value : {c.registry, c.configHome, c.home})
            *os << (value ? '"' + *value + '"' : "unset") << ' ';
    }
};

class ComRegistryPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(ComRegistryPathTest, FollowsTheOverrideThenTheUsersConfigurationFolder) {
    ScopedEnv registry("TALVORIN_REGISTRY", GetParam().registry);
    ScopedEnv configHome("XDG_CONFIG_HOME", GetParam().configHome);
    ScopedEnv home("HOME", GetParam().home);
    EXPECT_EQ(ComRegistryPath(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ComRegistryPathTest,
    testing::Values(PathCase{"/r/reg.ini", "/c", "/h", "/r/reg.ini"},
                    PathCase{std::nullopt, "/c", "/h", "/c/talvorin/registry.ini"},
                    PathCase{"", "/c", "/h", "/c/talvorin/registry.ini"},
                    PathCase{std::nullopt, "relative", "/h", "/h/.config/talvorin/registry.ini"},
                    PathCase{std::nullopt, std::nullopt, "/h", "/h/.config/talvorin/registry.ini"},
                    PathCase{std::nullopt, std::nullopt, std::nullopt, ""}));

class ComRegistryTest : public testing::Test {
protected:
    std::string Registry() const { return m_folder.File("registry.ini"); }
    std::string Lookup(const std::string& progId) const {
        std::string classId = "<untouched>";
        ClassIdFromProgId(progId, classId);
        return classId;
    }

    TempFolder m_folder;
    ScopedEnv m_env{"TALVORIN_REGISTRY", Registry()};
};

TEST_F(ComRegistryTest, NothingIsRegisteredWithoutAFileAndLookingMakesNone) {
    EXPECT_EQ(Lookup("TeeChart.TChart.8"), "<untouched>");
    EXPECT_FALSE(Exists(Registry()));
}

TEST_F(ComRegistryTest, ARegisteredProgIdResolvesIgnoringCase) {
    ASSERT_TRUE(RegisterProgId("TeeChart.TChart.8", kClassId));
    EXPECT_EQ(Lookup("TeeChart.TChart.8"), kClassId);
    EXPECT_EQ(Lookup("teechart.tchart.8"), kClassId);
    EXPECT_EQ(Lookup("TeeChart.TChart.7"), "<untouched>");
    EXPECT_EQ(Lookup(""), "<untouched>");
}

TEST_F(ComRegistryTest, RegisteringAgainReplacesAndKeepsTheOthers) {
    const std::string other = "{00000000-0000-0000-C000-000000000046}";
    ASSERT_TRUE(RegisterProgId("Other.Thing.1", other));
    ASSERT_TRUE(RegisterProgId("TeeChart.TChart.8", other));
    ASSERT_TRUE(RegisterProgId("TeeChart.TChart.8", kClassId));
    EXPECT_EQ(Lookup("TeeChart.TChart.8"), kClassId);
    EXPECT_EQ(Lookup("Other.Thing.1"), other);
}

TEST_F(ComRegistryTest, CreatesTheConfigurationFoldersItNeeds) {
    ScopedEnv noOverride("TALVORIN_REGISTRY", std::nullopt);
    ScopedEnv configHome("XDG_CONFIG_HOME", m_folder.File("deep/config"));
    ASSERT_TRUE(RegisterProgId("TeeChart.TChart.8", kClassId));
    EXPECT_TRUE(Exists(m_folder.File("deep/config/talvorin/registry.ini")));
    EXPECT_EQ(Lookup("TeeChart.TChart.8"), kClassId);
}

TEST_F(ComRegistryTest, FailsWhenTheFileCannotBeWritten) {
    WriteFile(m_folder.File("plain"), "");
    ScopedEnv blocked("TALVORIN_REGISTRY", m_folder.File("plain/registry.ini"));
    EXPECT_FALSE(RegisterProgId("TeeChart.TChart.8", kClassId));
    EXPECT_EQ(Lookup("TeeChart.TChart.8"), "<untouched>");
}

class ComRegistryClassIdTest : public ComRegistryTest,
                               public testing::WithParamInterface<std::string> {};

TEST_P(ComRegistryClassIdTest, AMalformedClassIdIsNeitherRegisteredNorResolved) {
    EXPECT_FALSE(RegisterProgId("Some.Control.1", GetParam()));
    WriteFile(Registry(), "[Some.Control.1]\nCLSID=" + GetParam() + "\n");
    EXPECT_EQ(Lookup("Some.Control.1"), "<untouched>");
}

INSTANTIATE_TEST_SUITE_P(Texts, ComRegistryClassIdTest,
                         testing::Values("", "BDEB0088-66F9-4A55-ABD2-0BF8DEEC1196",
                                         "{BDEB0088-66F9-4A55-ABD2-0BF8DEEC119}",
                                         "{BDEB0088-66F9-4A55-ABD2-0BF8DEEC11960}",
                                         "{BDEB0088-66F9-4A55-ABD2-0BF8DEEC119G}",
                                         "{BDEB008866-F9-4A55-ABD2-0BF8DEEC1196}",
                                         "{BDEB0088-66F9-4A55-ABD2-0BF8DEEC1196"));

} // namespace

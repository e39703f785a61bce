#include "store/ControlRegistration.h"

#include "platform/ComRegistry.h"
#include "platform/ocx/ChartControl.h"
#include "tests/core/TestEnvironment.h"

#include <dlfcn.h>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace testenv;

class ControlRegistrationTest : public testing::Test {
protected:
    // A copy of a test module of its own, so that what one test loads stays out of the others.
    std::string CopyOf(const char* module) const {
        const std::string copy = m_folder.File(std::filesystem::path(module).filename());
        std::filesystem::copy_file(module, copy);
        return copy;
    }

    static bool IsLoaded(const std::string& path) {
        void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (handle)
            dlclose(handle);
        return handle != nullptr;
    }

    TempFolder m_folder;
    ScopedEnv m_registry{"TALVORIN_REGISTRY", m_folder.File("registry.ini")};
};

TEST_F(ControlRegistrationTest, TheProductControlFileRegistersTheChartControl) {
    EXPECT_FALSE(IsChartControlRegistered());
    ASSERT_TRUE(RegisterProductOcx());
    EXPECT_TRUE(IsChartControlRegistered());
    std::string classId;
    ASSERT_TRUE(ClassIdFromProgId(kChartControlProgId, classId));
    EXPECT_EQ(classId, kChartControlClassId);
}

TEST_F(ControlRegistrationTest, TheProductControlFileFailsWhenTheRegistryCannotBeWritten) {
    WriteFile(m_folder.File("plain"), "");
    ScopedEnv blocked("TALVORIN_REGISTRY", m_folder.File("plain/registry.ini"));
    EXPECT_FALSE(RegisterProductOcx());
    EXPECT_FALSE(IsChartControlRegistered());
}

TEST_F(ControlRegistrationTest, OnlyARegisteredProgIdCounts) {
    EXPECT_FALSE(IsProgIdRegistered("Unknown.Control.1"));
    ASSERT_TRUE(RegisterProgId("Unknown.Control.1", kChartControlClassId));
    EXPECT_TRUE(IsProgIdRegistered("Unknown.Control.1"));
    EXPECT_FALSE(IsChartControlRegistered());
}

TEST_F(ControlRegistrationTest, AMissingFileFails) {
    EXPECT_FALSE(RegisterServer("NoSuchControl.ocx"));
    EXPECT_FALSE(RegisterServer(m_folder.File("NoSuchControl.ocx")));
    EXPECT_FALSE(RegisterServer(""));
}

TEST_F(ControlRegistrationTest, AFileThatIsNoModuleFails) {
    WriteFile(m_folder.File("Broken.ocx"), "not a module");
    EXPECT_FALSE(RegisterServer(m_folder.File("Broken.ocx")));
}

TEST_F(ControlRegistrationTest, AModuleWithoutTheEntryPointFailsAndStaysLoaded) {
    const std::string module = CopyOf(TEST_NO_ENTRY_MODULE);
    EXPECT_FALSE(RegisterServer(module));
    EXPECT_TRUE(IsLoaded(module));
}

struct ResultCase {
    const char* result;
    bool registered;
    friend void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.result; }
};

class ControlRegistrationResultTest : public ControlRegistrationTest,
                                      public testing::WithParamInterface<ResultCase> {};

TEST_P(ControlRegistrationResultTest, SuccessKeepsTheModuleAndFailureUnloadsIt) {
    const std::string module = CopyOf(TEST_RESULT_MODULE);
    ScopedEnv result("TALVORIN_TEST_REGISTER_RESULT", GetParam().result);
    EXPECT_EQ(RegisterServer(module), GetParam().registered);
    EXPECT_EQ(IsLoaded(module), GetParam().registered);
}

INSTANTIATE_TEST_SUITE_P(Results, ControlRegistrationResultTest,
                         testing::Values(ResultCase{"0", true}, ResultCase{"1", true},
                                         ResultCase{"0x80004005", false},
                                         ResultCase{"0x80040201", false}, ResultCase{"-1", false}));

} // namespace

#include "platform/ProgramStart.h"

#include "platform/FileDescriptor.h"
#include "tests/core/FileTestSupport.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct Pipe {
    Pipe() {
        int ends[2];
        EXPECT_EQ(pipe2(ends, O_CLOEXEC), 0);
        read = UniqueFd(ends[0]);
        write = UniqueFd(ends[1]);
    }
    std::string ReadAll() {
        write.Reset();
        std::string text;
        char buffer[256];
        for (ssize_t got; (got = ::read(read.Get(), buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        return text;
    }
    UniqueFd read;
    UniqueFd write;
};

// A shell that reports through the file handed down to it as REPORT.
bool StartShell(const std::string& script, const std::vector<HandedDownFd>& handedDown,
                std::string& error) {
    return StartProgram("/bin/sh", {"-c", script}, handedDown, error);
}

TEST(ProgramStartTest, TheNewProcessGetsTheHandedDownFilesAndNoOtherOfOurs) {
    Pipe report;
    Pipe kept;
    const std::string handed = std::to_string(report.write.Get());
    const std::string notHandedDown = std::to_string(kept.write.Get());
    std::string error;
    ASSERT_TRUE(StartShell("{ echo \"handed $REPORT\"; test -e /proc/self/fd/" + notHandedDown +
                               " && echo leaked; } > /proc/self/fd/$REPORT",
                           {{"REPORT", report.write.Get()}}, error))
        << error;
    EXPECT_EQ(report.ReadAll(), "handed " + handed + "\n");
}

TEST(ProgramStartTest, AVariableOfTheSameNameIsReplaced) {
    setenv("REPORT", "stale", 1);
    Pipe report;
    const int fd = report.write.Get();
    std::string error;
    ASSERT_TRUE(StartShell("echo \"$REPORT\" > /proc/self/fd/$REPORT", {{"REPORT", fd}}, error));
    EXPECT_EQ(report.ReadAll(), std::to_string(fd) + "\n");
    unsetenv("REPORT");
}

TEST(ProgramStartTest, AProgramThatCannotRunIsReportedAsNotStarted) {
    TempFolder folder;
    const std::string text = folder.Path("not-a-program");
    WriteBytes(text, "plain text\n");
    chmod(text.c_str(), 0644);
    std::string error;
    EXPECT_FALSE(StartProgram(folder.Path("missing"), {}, {}, error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(StartProgram(text, {}, {}, error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(StartProgram("/bin/true", {}, {{"REPORT", 1 << 19}}, error));
    EXPECT_EQ(error, "cannot hand down file 524288");
}

TEST(ProgramStartTest, AHandedDownFileIsTakenOnceAndClosedOnLaterStarts) {
    Pipe pipe;
    const int fd = dup(pipe.read.Get()); // without close-on-start, as a started program has it
    setenv("TALVORIN_TEST_FD", std::to_string(fd).c_str(), 1);
    EXPECT_EQ(TakeHandedDownFd("TALVORIN_TEST_FD"), fd);
    EXPECT_EQ(std::getenv("TALVORIN_TEST_FD"), nullptr);
    EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
    EXPECT_EQ(TakeHandedDownFd("TALVORIN_TEST_FD"), -1);
    close(fd);
}

TEST(ProgramStartTest, AVariableThatNamesNoOpenFileGivesNone) {
    for (const char* value : {"", "12x", "-1", "99999999999", "1000"}) {
        setenv("TALVORIN_TEST_FD", value, 1);
        EXPECT_EQ(TakeHandedDownFd("TALVORIN_TEST_FD"), -1) << value;
        EXPECT_EQ(std::getenv("TALVORIN_TEST_FD"), nullptr) << value;
    }
}

TEST(ProgramStartTest, APipeCountsAsClosedOnlyOnceItsLastWriterHasEnded) {
    Pipe pipe;
    EXPECT_FALSE(WaitUntilPipeClosed(pipe.read.Get(), 50));
    ASSERT_EQ(write(pipe.write.Get(), "x", 1), 1); // data is no end
    EXPECT_FALSE(WaitUntilPipeClosed(pipe.read.Get(), 50));

    // A writer in another process that ends after a while.
    std::string error;
    ASSERT_TRUE(StartShell("sleep 0.2", {{"WRITER", pipe.write.Get()}}, error));
    pipe.write.Reset();
    EXPECT_TRUE(WaitUntilPipeClosed(pipe.read.Get(), 10000));
}

} // namespace

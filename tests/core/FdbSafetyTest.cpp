// The data file against other instances of the program and against crashes.
#include "store/FDB.h"
#include "tests/core/FileTestSupport.h"

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class FdbSafetyTest : public testing::Test {
protected:
    std::string DataPath() const { return m_folder.Path("Talvorin.dat"); }

    // Names in the folder other than the data file.
    std::vector<std::string> OtherFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
            if (entry.path().filename() != "Talvorin.dat")
                names.push_back(entry.path().filename());
        return names;
    }

    TempFolder m_folder;
};

Lines NumberedLines(int count, const std::string& text) {
    Lines lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(std::to_string(i) + ", " + text + "\n");
    return lines;
}

std::string OnDisk(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line.substr(0, line.size() - 1) + "\r\n";
    return bytes;
}

// ---- One instance at a time ------------------------------------------------------------

TEST_F(FdbSafetyTest, ASecondStoreCannotOpenTheFileWhileTheFirstHoldsIt) {
    CFdb first, second;
    ASSERT_TRUE(first.Open(DataPath()));
    EXPECT_FALSE(second.Open(DataPath()));
    EXPECT_FALSE(second.AppendLine("x\n"));
    first.Close();
    EXPECT_TRUE(second.OpenFile());
    EXPECT_FALSE(first.OpenFile());
}

TEST_F(FdbSafetyTest, AnotherProcessCannotOpenTheFileWhileTheStoreHoldsIt) {
    const auto openInChild = [&] {
        return RunInChild([&] {
            CFdb other;
            return other.Open(DataPath()) ? 1 : 0;
        });
    };
    {
        CFdb fdb;
        ASSERT_TRUE(fdb.Open(DataPath()));
        const int status = openInChild();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child opened it";
    }
    const int status = openInChild();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "released at destruction";
}

TEST_F(FdbSafetyTest, TheRewrittenFileIsHeldAsWell) {
    CFdb first, second;
    ASSERT_TRUE(first.Open(DataPath()));
    ASSERT_TRUE(first.Rewrite({"1, a\n"}));
    EXPECT_FALSE(second.Open(DataPath()));
    first.Close();
    ASSERT_TRUE(second.OpenFile());
    EXPECT_EQ(second.GetLastLine(), "1, a");
}

// ---- Crashes ---------------------------------------------------------------------------

// Allows files of `limit` bytes at most while it lives; a write beyond fails (when the
// signal is ignored) or ends the process with SIGXFSZ (by default).
class FileSizeLimit {
public:
    FileSizeLimit(rlim_t limit, bool ignoreSignal) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = signal(SIGXFSZ, ignoreSignal ? SIG_IGN : SIG_DFL);
        const rlimit limited{limit, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved;
    sighandler_t m_savedHandler;
};

TEST_F(FdbSafetyTest, AProgramKilledInTheMiddleOfARewriteLeavesTheOldContents) {
    const Lines old = NumberedLines(5000, std::string(180, 'o'));
    const Lines replacement = NumberedLines(20000, std::string(180, 'n'));
    WriteBytes(DataPath(), OnDisk(old));

    // The child dies by the file-size signal once it has written 256 KiB of the new contents.
    const int status = RunInChild([&] {
        CFdb fdb;
        if (!fdb.Open(DataPath()))
            return 1;
        const FileSizeLimit limit(256 << 10, false);
        fdb.Rewrite(replacement);
        return 2;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadBytes(DataPath()), OnDisk(old));
    EXPECT_EQ(OtherFiles().size(), 1u) << "the half-written new contents lie beside it";

    // The next instance sees the old contents and clears away the half-written file.
    CFdb fdb;
    ASSERT_TRUE(fdb.Open(DataPath()));
    EXPECT_TRUE(OtherFiles().empty());
    Lines lines;
    EXPECT_EQ(fdb.ReadAll(lines), 5000);
    EXPECT_TRUE(fdb.Rewrite(replacement));
    EXPECT_EQ(ReadBytes(DataPath()), OnDisk(replacement));
}

TEST_F(FdbSafetyTest, AFailedRewriteKeepsTheOldContentsAndTheStoreOpen) {
    const Lines old = NumberedLines(100, "old");
    WriteBytes(DataPath(), OnDisk(old));
    CFdb fdb;
    ASSERT_TRUE(fdb.Open(DataPath()));
    {
        const FileSizeLimit limit(64 << 10, true);
        EXPECT_FALSE(fdb.Rewrite(NumberedLines(10000, std::string(100, 'n'))));
    }
    EXPECT_EQ(ReadBytes(DataPath()), OnDisk(old));
    EXPECT_TRUE(OtherFiles().empty());
    EXPECT_TRUE(fdb.IsOpen());
    EXPECT_EQ(fdb.GetLastLine(), "100, old");
    EXPECT_TRUE(fdb.AppendLine("101, new\n"));
    EXPECT_EQ(fdb.GetLastLine(), "101, new");
}

TEST_F(FdbSafetyTest, ARewriteThroughASymbolicLinkKeepsTheLink) {
    const std::string target = m_folder.Path("kept.dat");
    WriteBytes(target, OnDisk(NumberedLines(3, "old")));
    std::filesystem::create_symlink(target, DataPath());
    CFdb fdb;
    ASSERT_TRUE(fdb.Open(DataPath()));
    ASSERT_TRUE(fdb.Rewrite(NumberedLines(2, "new")));
    fdb.Close();
    EXPECT_TRUE(std::filesystem::is_symlink(DataPath()));
    EXPECT_EQ(ReadBytes(target), OnDisk(NumberedLines(2, "new")));
    EXPECT_EQ(OtherFiles(), std::vector<std::string>{"kept.dat"});
}

TEST_F(FdbSafetyTest, AFailedAppendIsEndedBeforeTheNextOne) {
    WriteBytes(DataPath(), "1, a\r\n");
    CFdb fdb;
    ASSERT_TRUE(fdb.Open(DataPath()));
    {
        const FileSizeLimit limit(10, true);
        EXPECT_FALSE(fdb.AppendLine("2, bbbbbbbb\n"));
    }
    EXPECT_TRUE(fdb.AppendLine("3, c\n"));
    EXPECT_EQ(fdb.GetLastLine(), "3, c");
    Lines lines;
    EXPECT_EQ(fdb.ReadAll(lines), 3);
    EXPECT_EQ(lines.front(), "1, a");
}

TEST_F(FdbSafetyTest, OpeningClearsAwayOnlyLeftoversOfAnInterruptedRewrite) {
    WriteBytes(DataPath(), "1, a\r\n");
    WriteBytes(m_folder.Path("Talvorin.dat.replace-Ab12Cd"), "1, a\r\n2,");
    const std::vector<std::string> kept = {"Talvorin.dat.bak", "Talvorin.dat.replace-toolong",
                                           "Other.dat.replace-Ab12Cd"};
    for (const std::string& name : kept)
        WriteBytes(m_folder.Path(name), "x");
    CFdb fdb;
    ASSERT_TRUE(fdb.Open(DataPath()));
    std::vector<std::string> left = OtherFiles();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    EXPECT_EQ(fdb.GetLastLine(), "1, a");
}

} // namespace

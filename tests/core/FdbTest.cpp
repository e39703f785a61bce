#include "store/FDB.h"

#include "tests/core/FileTestSupport.h"

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class FdbTest : public testing::Test {
protected:
    std::string DataPath() const { return m_folder.Path("Talvorin.dat"); }

    // A store open on the data file holding `bytes`.
    void OpenWith(const std::string& bytes) {
        WriteBytes(DataPath(), bytes);
        ASSERT_TRUE(m_fdb.Open(DataPath()));
    }

    TempFolder m_folder;
    CFdb m_fdb;
};

// ---- Reading ---------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::string bytes;
    std::string last;   // GetLastLine: as in the file, not trimmed
    std::string second; // GetLineFromEnd(2)
    Lines all;          // ReadAll: trimmed, in file order
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class FdbReadTest : public FdbTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(FdbReadTest, EveryReaderSkipsBlankLinesAndDropsLineEnds) {
    const ReadCase& c = GetParam();
    OpenWith(c.bytes);

    EXPECT_EQ(m_fdb.GetLastLine(), c.last);
    EXPECT_EQ(m_fdb.GetLineFromEnd(2), c.second);
    EXPECT_EQ(m_fdb.GetLineFromEnd(int(c.all.size()) + 1), "");

    Lines all;
    EXPECT_EQ(m_fdb.ReadAll(all), int(c.all.size()));
    EXPECT_EQ(all, c.all);

    Lines forward, backward;
    EXPECT_EQ(m_fdb.ForEachLine([&](std::string_view l) { forward.emplace_back(l); }),
              int(c.all.size()));
    EXPECT_EQ(forward, c.all);
    m_fdb.ForEachLineFromEnd([&](std::string_view l) {
        backward.emplace(backward.begin(), l);
        return true;
    });
    EXPECT_EQ(backward, c.all);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FdbReadTest,
    testing::Values(
        ReadCase{"Empty", "", "", "", {}},
        ReadCase{"BlankLinesOnly", " \t\r\n\r\n\v\f\r\n\n\t", "", "", {}},
        ReadCase{"OneLine", "1, a\r\n", "1, a", "", {"1, a"}},
        ReadCase{"OneLineWithoutLineEnd", "1, a", "1, a", "", {"1, a"}},
        ReadCase{"LastLineWithoutLineEnd", "1, a\r\n2, b", "2, b", "1, a", {"1, a", "2, b"}},
        ReadCase{"LoneLineFeeds", "1, a\n2, b\n", "2, b", "1, a", {"1, a", "2, b"}},
        ReadCase{"MixedLineEnds", "1, a\n2, b\r\n3, c", "3, c", "2, b", {"1, a", "2, b", "3, c"}},
        ReadCase{"TrailingBlankLines",
                 "1, a\r\n2, b\r\n\r\n  \r\n\t\r\n\r\n",
                 "2, b",
                 "1, a",
                 {"1, a", "2, b"}},
        ReadCase{"BlankLinesBetweenAndBefore",
                 "\r\n \r\n1, a\r\n\t\r\n2, b\r\n",
                 "2, b",
                 "1, a",
                 {"1, a", "2, b"}},
        ReadCase{
            "BlanksAroundTheTextStayForTheLastLine", "   9, x \t\r\n", "   9, x \t", "", {"9, x"}},
        ReadCase{"RightAlignedNumbers",
                 "   1, a\r\n  12, b\r\n",
                 "  12, b",
                 "   1, a",
                 {"1, a", "12, b"}},
        ReadCase{"ALoneCarriageReturnIsNoLineEnd", "a\rb\r\n", "a\rb", "", {"a\rb"}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST_F(FdbTest, ReadAllAddsBehindWhatTheListHolds) {
    OpenWith("4, d\r\n5, e\r\n");
    Lines lines{"1", "2", "3"};
    EXPECT_EQ(m_fdb.ReadAll(lines), 5);
    EXPECT_EQ(lines, (Lines{"1", "2", "3", "4, d", "5, e"}));
}

TEST_F(FdbTest, ReadAllOfAnEmptyFileGivesZeroAndLeavesTheList) {
    OpenWith("");
    Lines lines{"1", "2", "3"};
    EXPECT_EQ(m_fdb.ReadAll(lines), 0);
    EXPECT_EQ(lines, (Lines{"1", "2", "3"}));
}

TEST_F(FdbTest, GetLineFromEndCountsNonBlankLinesOnly) {
    OpenWith("1\r\n\r\n2\r\n \r\n3\r\n\r\n");
    EXPECT_EQ(m_fdb.GetLineFromEnd(1), "3");
    EXPECT_EQ(m_fdb.GetLineFromEnd(2), "2");
    EXPECT_EQ(m_fdb.GetLineFromEnd(3), "1");
    EXPECT_EQ(m_fdb.GetLineFromEnd(4), "");
    EXPECT_EQ(m_fdb.GetLineFromEnd(0), "");
    EXPECT_EQ(m_fdb.GetLineFromEnd(-1), "");
}

TEST_F(FdbTest, BackwardWalkStopsWhenTold) {
    OpenWith("1\r\n2\r\n\r\n3\r\n4\r\n");
    Lines seen;
    EXPECT_EQ(m_fdb.ForEachLineFromEnd([&](std::string_view line) {
        seen.emplace_back(line);
        return seen.size() < 2;
    }),
              2);
    EXPECT_EQ(seen, (Lines{"4", "3"}));
}

// ---- Writing ---------------------------------------------------------------------------

TEST_F(FdbTest, AppendedLinesEndInCrLfAndATextWithoutLineEndIsContinued) {
    OpenWith("1, a\r\n");
    EXPECT_TRUE(m_fdb.AppendLine("2, "));
    EXPECT_TRUE(m_fdb.AppendLine("b\n"));
    EXPECT_TRUE(m_fdb.AppendLine("3, c\n"));
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n2, b\r\n3, c\r\n");
    EXPECT_EQ(m_fdb.GetLastLine(), "3, c");
}

TEST_F(FdbTest, WriteLinesAppendsInOrder) {
    OpenWith("1, a\n");
    EXPECT_TRUE(m_fdb.WriteLines({"2, b\n", "3, c\n"}));
    EXPECT_TRUE(m_fdb.WriteLines({}));
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\n2, b\r\n3, c\r\n");
}

TEST_F(FdbTest, RewriteReplacesTheContentsAndStaysOpenOnTheNewFile) {
    OpenWith("1, a\r\n2, b\r\n3, c\r\n");
    EXPECT_TRUE(m_fdb.Rewrite({"1, a\n", "3, c\n"}));
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n3, c\r\n");
    EXPECT_EQ(m_fdb.GetLastLine(), "3, c");
    EXPECT_TRUE(m_fdb.AppendLine("4, d\n"));
    m_fdb.Close();
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n3, c\r\n4, d\r\n");
}

TEST_F(FdbTest, RewriteKeepsThePermissions) {
    OpenWith("1, a\r\n");
    ASSERT_EQ(chmod(DataPath().c_str(), 0640), 0);
    EXPECT_TRUE(m_fdb.Rewrite({"2, b\n"}));
    struct stat info;
    ASSERT_EQ(stat(DataPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(FdbTest, RewriteWithNothingAndClearLeaveAnEmptyFile) {
    OpenWith("1, a\r\n");
    EXPECT_TRUE(m_fdb.Rewrite({}));
    EXPECT_EQ(ReadBytes(DataPath()), "");
    EXPECT_TRUE(m_fdb.AppendLine("2, b\n"));
    EXPECT_TRUE(m_fdb.Clear());
    EXPECT_EQ(ReadBytes(DataPath()), "");
    Lines lines;
    EXPECT_EQ(m_fdb.ReadAll(lines), 0);
    EXPECT_TRUE(m_fdb.AppendLine("3, c\n"));
    EXPECT_EQ(ReadBytes(DataPath()), "3, c\r\n");
}

// A program that died while appending can leave the last line without its line end. The
// next append ends it first instead of running on from it; within one open a text without
// "\n" is still continued by the next one.
struct TornCase {
    const char* name;
    std::string before, after;
};

void PrintTo(const TornCase& c, std::ostream* os) {
    *os << c.name;
}

class FdbTornLineTest : public FdbTest, public testing::WithParamInterface<TornCase> {};

TEST_P(FdbTornLineTest, FirstAppendEndsTheLastLine) {
    OpenWith(GetParam().before);
    EXPECT_TRUE(m_fdb.AppendLine("3, c"));
    EXPECT_TRUE(m_fdb.AppendLine("\n"));
    EXPECT_EQ(ReadBytes(DataPath()), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FdbTornLineTest,
    testing::Values(TornCase{"NoLineEnd", "1, a\r\n2, b", "1, a\r\n2, b\r\n3, c\r\n"},
                    TornCase{"OnlyTheCr", "1, a\r\n2, b\r", "1, a\r\n2, b\r\n3, c\r\n"},
                    TornCase{"Whole", "1, a\r\n2, b\r\n", "1, a\r\n2, b\r\n3, c\r\n"},
                    TornCase{"WholeWithLoneLf", "1, a\n", "1, a\n3, c\r\n"},
                    TornCase{"Empty", "", "3, c\r\n"}),
    [](const testing::TestParamInfo<TornCase>& info) { return info.param.name; });

TEST_F(FdbTest, ALineLeftOpenIsEndedAtTheNextOpen) {
    OpenWith("1, a\r\n");
    EXPECT_TRUE(m_fdb.AppendLine("2, b"));
    m_fdb.Close();
    ASSERT_TRUE(m_fdb.OpenFile());
    EXPECT_TRUE(m_fdb.WriteLines({"3, c\n"}));
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n2, b\r\n3, c\r\n");
}

// ---- Opening and closing ---------------------------------------------------------------

TEST_F(FdbTest, OpenOnAnOpenStoreKeepsTheFirstPath) {
    OpenWith("");
    EXPECT_TRUE(m_fdb.Open(m_folder.Path("Other.dat")));
    EXPECT_EQ(m_fdb.Path(), DataPath());
    EXPECT_TRUE(m_fdb.AppendLine("1, a\n"));
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n");
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("Other.dat")));
}

TEST_F(FdbTest, ThePathOutlivesCloseForTheNextOpenFile) {
    OpenWith("1, a\r\n");
    m_fdb.Close();
    EXPECT_FALSE(m_fdb.IsOpen());
    EXPECT_EQ(m_fdb.Path(), DataPath());
    ASSERT_TRUE(m_fdb.OpenFile());
    EXPECT_TRUE(m_fdb.OpenFile());
    EXPECT_EQ(m_fdb.GetLastLine(), "1, a");
}

TEST_F(FdbTest, AMissingFileIsCreatedEmptyAndOpenForReadingAndWriting) {
    ASSERT_TRUE(m_fdb.Open(DataPath()));
    EXPECT_TRUE(std::filesystem::exists(DataPath()));
    EXPECT_EQ(m_fdb.GetLastLine(), "");
    Lines lines;
    EXPECT_EQ(m_fdb.ReadAll(lines), 0);
    EXPECT_TRUE(m_fdb.AppendLine("1, a\n"));
    EXPECT_EQ(m_fdb.GetLastLine(), "1, a");
    m_fdb.Close();
    ASSERT_TRUE(m_fdb.OpenFile());
    EXPECT_EQ(m_fdb.ReadAll(lines), 1);
}

// Every operation of a closed store does nothing and reports false, 0 or "".
void ExpectClosedStoreDoesNothing(CFdb& fdb) {
    EXPECT_FALSE(fdb.IsOpen());
    EXPECT_EQ(fdb.GetLastLine(), "");
    EXPECT_EQ(fdb.GetLineFromEnd(1), "");
    Lines lines{"kept"};
    EXPECT_EQ(fdb.ReadAll(lines), 0);
    EXPECT_EQ(lines, Lines{"kept"});
    EXPECT_EQ(fdb.ForEachLine([](std::string_view) { ADD_FAILURE(); }), 0);
    EXPECT_EQ(fdb.ForEachLineFromEnd([](std::string_view) { return true; }), 0);
    EXPECT_FALSE(fdb.AppendLine("x\n"));
    EXPECT_FALSE(fdb.WriteLines({"x\n"}));
    EXPECT_FALSE(fdb.Rewrite({"x\n"}));
    EXPECT_FALSE(fdb.Clear());
}

TEST_F(FdbTest, AStoreNeverOpenedDoesNothing) {
    ExpectClosedStoreDoesNothing(m_fdb);
}

TEST_F(FdbTest, AClosedStoreLeavesTheFileAlone) {
    OpenWith("1, a\r\n");
    m_fdb.Close();
    ExpectClosedStoreDoesNothing(m_fdb);
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n");
}

TEST_F(FdbTest, AFolderThatIsMissingFailsAndKeepsThePath) {
    const std::string path = m_folder.Path("missing/Talvorin.dat");
    EXPECT_FALSE(m_fdb.Open(path));
    EXPECT_EQ(m_fdb.Path(), path);
    ExpectClosedStoreDoesNothing(m_fdb);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Whether a store on `path` holding "1, a" reads it and writes nothing, or (not `readable`)
// does not open it at all; 0 when it does as it should, else which check failed.
int StoreReadsAndNeverWrites(const std::string& path, bool readable) {
    CFdb fdb;
    if (fdb.Open(path) != readable || fdb.IsOpen() != readable || fdb.IsWritable())
        return 1;
    Lines lines;
    if (fdb.GetLastLine() != (readable ? "1, a" : "") || fdb.ReadAll(lines) != int(readable))
        return 2;
    if (fdb.AppendLine("x\n") || fdb.WriteLines({"x\n"}) || fdb.Rewrite({}) || fdb.Clear() ||
        fdb.SetAsideTornLastLine([](std::string_view) { return false; }, path + ".torn"))
        return 3;
    return 0;
}

struct AccessCase {
    mode_t mode;
    bool readable;
};

void PrintTo(const AccessCase& c, std::ostream* os) {
    *os << "mode " << std::oct << c.mode;
}

// A file that exists but may not be written is opened for reading alone; one that cannot be
// read is not opened. Neither is ever written or emptied. Run as an ordinary user: the
// superuser may read and write any file.
class FdbAccessTest : public FdbTest, public testing::WithParamInterface<AccessCase> {};

TEST_P(FdbAccessTest, AFileThatMayNotBeWrittenIsReadAtMostAndStaysAsItWas) {
    WriteBytes(DataPath(), "1, a\r\n");
    ASSERT_EQ(chmod(m_folder.Path().c_str(), 0777), 0);
    ASSERT_EQ(chmod(DataPath().c_str(), GetParam().mode), 0);
    const int status = RunInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 10;
        return StoreReadsAndNeverWrites(DataPath(), GetParam().readable);
    });
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n");
    EXPECT_FALSE(std::filesystem::exists(DataPath() + ".torn"));
}

INSTANTIATE_TEST_SUITE_P(Modes, FdbAccessTest,
                         testing::Values(AccessCase{0444, true}, AccessCase{0222, false},
                                         AccessCase{0, false}));

// A read-only mount, or a file of mode 0444 for an ordinary user: read, never written (not
// even replaced through the folder, which may be written), and a missing file is not created.
class FdbUnwritableTest : public FdbTest, public testing::WithParamInterface<int> {};

TEST_P(FdbUnwritableTest, TheFileIsReadAndNeverWritten) {
    WriteBytes(DataPath(), "1, a\r\n");
    const ScopedUnwritableFiles unwritable(GetParam());
    EXPECT_EQ(StoreReadsAndNeverWrites(DataPath(), true), 0);
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n");
    EXPECT_FALSE(std::filesystem::exists(DataPath() + ".torn"));

    std::filesystem::remove(DataPath());
    EXPECT_FALSE(m_fdb.Open(DataPath()));
    EXPECT_FALSE(std::filesystem::exists(DataPath()));
}

INSTANTIATE_TEST_SUITE_P(Errors, FdbUnwritableTest, testing::Values(EROFS, EACCES));

TEST_F(FdbTest, OnceTheFileMayBeWrittenAgainTheNextOpenWritesIt) {
    WriteBytes(DataPath(), "1, a\r\n");
    {
        const ScopedUnwritableFiles unwritable;
        ASSERT_TRUE(m_fdb.Open(DataPath()));
        EXPECT_FALSE(m_fdb.AppendLine("2, b\n"));
        m_fdb.Close();
    }
    ASSERT_TRUE(m_fdb.OpenFile());
    EXPECT_TRUE(m_fdb.IsWritable());
    EXPECT_TRUE(m_fdb.AppendLine("2, b\n"));
    EXPECT_EQ(ReadBytes(DataPath()), "1, a\r\n2, b\r\n");
}

} // namespace

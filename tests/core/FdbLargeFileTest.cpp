// The data file grown large: a million lines of about 190 bytes is a real size.
#include "platform/FileDescriptor.h"
#include "store/FDB.h"
#include "tests/core/FileTestSupport.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class FdbLargeFileTest : public testing::Test {
protected:
    std::string DataPath() const { return m_folder.Path("Talvorin.dat"); }

    TempFolder m_folder;
    CFdb m_fdb;
};

// A data-file line of about 190 characters; the number is right-aligned like a record
// number.
std::string RecordLine(int number) {
    char line[200];
    std::snprintf(line, sizeof line, "%6d, 2024-01-01 00:00:00, %s", number,
                  std::string(160, 'a' + number % 26).c_str());
    return line;
}

TEST_F(FdbLargeFileTest, ReadsTwoHundredThousandLinesFromEitherEnd) {
    constexpr int kCount = 200000;
    std::string bytes;
    for (int i = 1; i <= kCount; ++i)
        bytes += RecordLine(i) + "\r\n";
    WriteBytes(DataPath(), bytes);
    ASSERT_TRUE(m_fdb.Open(DataPath()));

    Lines lines{"before"};
    EXPECT_EQ(m_fdb.ReadAll(lines), kCount + 1);
    EXPECT_EQ(lines[1], RecordLine(1).substr(5));
    EXPECT_EQ(lines[kCount / 2], RecordLine(kCount / 2));
    EXPECT_EQ(lines.back(), RecordLine(kCount));

    EXPECT_EQ(m_fdb.GetLastLine(), RecordLine(kCount));
    EXPECT_EQ(m_fdb.GetLineFromEnd(1000), RecordLine(kCount - 999));
    Lines newest;
    m_fdb.ForEachLineFromEnd([&](std::string_view line) {
        newest.emplace_back(line);
        return newest.size() < 500;
    });
    ASSERT_EQ(newest.size(), 500u);
    EXPECT_EQ(newest.back(), RecordLine(kCount - 499));
}

TEST_F(FdbLargeFileTest, LinesLongerThanAReadBlockComeBackWhole) {
    const std::string longLine(3 << 20, 'x'); // longer than any block the store reads
    WriteBytes(DataPath(), "1, a\r\n" + longLine + "\r\n2, b\r\n" + longLine);
    ASSERT_TRUE(m_fdb.Open(DataPath()));
    EXPECT_EQ(m_fdb.GetLastLine(), longLine);
    EXPECT_EQ(m_fdb.GetLineFromEnd(2), "2, b");
    EXPECT_EQ(m_fdb.GetLineFromEnd(3), longLine);
    EXPECT_EQ(m_fdb.GetLineFromEnd(4), "1, a");
    Lines lines;
    EXPECT_EQ(m_fdb.ReadAll(lines), 4);
    EXPECT_EQ(lines, (Lines{"1, a", longLine, "2, b", longLine}));
}

TEST_F(FdbLargeFileTest, ManyBlankLinesAtTheEndAreWalkedOver) {
    std::string bytes = "1, a\r\n2, b\r\n";
    for (int i = 0; i < 100000; ++i)
        bytes += i % 3 ? "\r\n" : " \t\r\n";
    WriteBytes(DataPath(), bytes);
    ASSERT_TRUE(m_fdb.Open(DataPath()));
    EXPECT_EQ(m_fdb.GetLastLine(), "2, b");
    EXPECT_EQ(m_fdb.GetLineFromEnd(2), "1, a");
    EXPECT_EQ(m_fdb.GetLineFromEnd(3), "");
}

// Finding the newest lines costs only the end of the file: before them lie 64 GiB (a hole
// in the file, which costs no disk) that no reader could get through in a second.
TEST_F(FdbLargeFileTest, TheNewestLinesCostOnlyTheEndOfTheFile) {
    constexpr off_t kHole = off_t(64) << 30;
    {
        const UniqueFd file(open(DataPath().c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        ASSERT_TRUE(file.IsValid());
        if (ftruncate(file.Get(), kHole) != 0)
            GTEST_SKIP() << "no room for a sparse file here";
        const std::string tail = "\r\n1, a\r\n2, b\r\n\r\n";
        ASSERT_EQ(pwrite(file.Get(), tail.data(), tail.size(), kHole), ssize_t(tail.size()));
    }
    ASSERT_TRUE(m_fdb.Open(DataPath()));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(m_fdb.GetLastLine(), "2, b");
    EXPECT_EQ(m_fdb.GetLineFromEnd(2), "1, a");
    EXPECT_TRUE(m_fdb.AppendLine("3, c\n"));
    EXPECT_EQ(m_fdb.GetLastLine(), "3, c");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

} // namespace

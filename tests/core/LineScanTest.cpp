#include "store/LineScan.h"

#include "platform/FileDescriptor.h"
#include "tests/core/FileTestSupport.h"

#include <fcntl.h>
#include <random>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Lines as the scanners must find them, by the plainest means: cut at every LF, drop a CR
// before it, and drop an empty piece after the last LF.
Lines SplitLines(const std::string& bytes) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t lf; (lf = bytes.find('\n', start)) != std::string::npos; start = lf + 1) {
        std::string line = bytes.substr(start, lf - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// Text of lines of every length from 0 to beyond the largest block below, blank lines,
// both line ends and CRs of their own, so that line ends fall on every side of a block edge.
std::string MixedText(unsigned seed, bool lastLineEnded) {
    std::mt19937 random(seed);
    const char kChars[] = "abc \t\r";
    std::string bytes;
    for (int i = 0; i < 300; ++i) {
        const std::size_t length = random() % 4 == 0 ? random() % 300 : random() % 8;
        for (std::size_t c = 0; c < length; ++c)
            bytes += kChars[random() % (sizeof kChars - 1)];
        bytes += random() % 2 ? "\r\n" : "\n";
    }
    if (!lastLineEnded)
        bytes += "tail\r";
    return bytes;
}

struct ScanCase {
    unsigned seed;
    bool lastLineEnded;
    std::size_t blockSize;
};

std::string CaseName(const ScanCase& c) {
    return "Block" + std::to_string(c.blockSize) + (c.lastLineEnded ? "Ended" : "Open");
}

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << CaseName(c);
}

class LineScanTest : public testing::TestWithParam<ScanCase> {
protected:
    void SetUp() override {
        m_bytes = MixedText(GetParam().seed, GetParam().lastLineEnded);
        WriteBytes(m_folder.Path("text"), m_bytes);
        m_file = UniqueFd(open(m_folder.Path("text").c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_TRUE(m_file.IsValid());
    }

    TempFolder m_folder;
    std::string m_bytes;
    UniqueFd m_file;
};

TEST_P(LineScanTest, ForwardFindsEveryLine) {
    Lines lines;
    EXPECT_TRUE(ScanLinesForward(m_file.Get(), GetParam().blockSize,
                                 [&](std::string_view line) { lines.emplace_back(line); }));
    EXPECT_EQ(lines, SplitLines(m_bytes));
}

TEST_P(LineScanTest, BackwardFindsEveryLineLastFirst) {
    Lines lines;
    ScanLinesBackward(m_file.Get(), off_t(m_bytes.size()), GetParam().blockSize,
                      [&](std::string_view line) {
                          lines.emplace(lines.begin(), line);
                          return true;
                      });
    EXPECT_EQ(lines, SplitLines(m_bytes));
}

TEST_P(LineScanTest, BackwardStopsWhenTold) {
    const Lines all = SplitLines(m_bytes);
    for (std::size_t wanted : {std::size_t(1), std::size_t(7), all.size() / 2}) {
        Lines lines;
        ScanLinesBackward(m_file.Get(), off_t(m_bytes.size()), GetParam().blockSize,
                          [&](std::string_view line) {
                              lines.emplace_back(line);
                              return lines.size() < wanted;
                          });
        ASSERT_EQ(lines.size(), wanted);
        EXPECT_EQ(lines.back(), all[all.size() - wanted]);
    }
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, LineScanTest,
                         testing::Values(ScanCase{1, true, 1}, ScanCase{2, false, 2},
                                         ScanCase{3, true, 3}, ScanCase{4, false, 7},
                                         ScanCase{5, true, 64}, ScanCase{6, false, 257},
                                         ScanCase{7, true, 4096}, ScanCase{8, false, 1 << 20}),
                         [](const testing::TestParamInfo<ScanCase>& info) {
                             return CaseName(info.param);
                         });

// A part of the file holds the lines that begin in it, the last one whole however far past the
// part's end it runs, and none that begins after it.
TEST(LineScan, APartHoldsTheLinesThatBeginInItWhole) {
    TempFolder folder;
    const std::string longLine(10000, 'x');
    const std::string bytes = "short\n" + longLine + "\r\nafter\n";
    WriteBytes(folder.Path("text"), bytes);
    const UniqueFd file(open(folder.Path("text").c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_TRUE(file.IsValid());
    for (const std::size_t blockSize : {std::size_t{16}, std::size_t{1} << 20}) {
        for (const auto& [to, expected] : {std::pair<off_t, Lines>{6, {"short"}},
                                           {7, {"short", longLine}},
                                           {10008, {"short", longLine}},
                                           {10009, {"short", longLine, "after"}}}) {
            Lines lines;
            std::vector<off_t> ends;
            EXPECT_TRUE(ScanLinesBetween(file.Get(), 0, to, blockSize,
                                         [&](std::string_view line, LineEnd end) {
                                             lines.emplace_back(line);
                                             ends.push_back(end.next);
                                             return true;
                                         }));
            EXPECT_EQ(lines, expected) << "to " << to << ", block " << blockSize;
            if (lines.size() >= 2) {
                EXPECT_EQ(ends[1], off_t(6 + longLine.size() + 2));
            }
        }
    }
}

TEST(LineScan, AnEmptyFileHasNoLines) {
    TempFolder folder;
    WriteBytes(folder.Path("empty"), "");
    const UniqueFd file(open(folder.Path("empty").c_str(), O_RDONLY | O_CLOEXEC));
    ScanLinesForward(file.Get(), 16, [](std::string_view) { ADD_FAILURE(); });
    ScanLinesBackward(file.Get(), 0, 16, [](std::string_view) {
        ADD_FAILURE();
        return true;
    });
}

// A scan that cannot read the file must not pass for one of an empty file: a caller that
// rewrites what it read would empty the file.
TEST(LineScan, AReadErrorIsNoEndOfFile) {
    TempFolder folder;
    WriteBytes(folder.Path("text"), "1, a\r\n2, b\r\n");
    const UniqueFd writeOnly(open(folder.Path("text").c_str(), O_WRONLY | O_CLOEXEC));
    ASSERT_TRUE(writeOnly.IsValid());
    EXPECT_FALSE(ScanLinesForward(writeOnly.Get(), 16, [](std::string_view) { ADD_FAILURE(); }));
    EXPECT_FALSE(ScanLinesBackward(writeOnly.Get(), 12, 4, [](std::string_view) {
        ADD_FAILURE();
        return true;
    }));
}

TEST(LineScan, ABackwardScanStoppedByItsVisitorOrTheFileStartIsWhole) {
    TempFolder folder;
    WriteBytes(folder.Path("text"), "1, a\r\n2, b\r\n");
    const UniqueFd file(open(folder.Path("text").c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_TRUE(file.IsValid());
    EXPECT_TRUE(ScanLinesBackward(file.Get(), 12, 4, [](std::string_view) { return false; }));
    int lines = 0;
    EXPECT_TRUE(ScanLinesBackward(file.Get(), 12, 4, [&](std::string_view) { return ++lines; }));
    EXPECT_EQ(lines, 2);
}

struct TrimCase {
    const char* name;
    std::string text, trimmed;
};

void PrintTo(const TrimCase& c, std::ostream* os) {
    *os << c.name;
}

class TrimBlanksTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimBlanksTest, CutsTheSixWhiteSpaceCharactersAtBothEnds) {
    EXPECT_EQ(TrimBlanks(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimBlanksTest,
                         testing::Values(TrimCase{"Empty", "", ""},
                                         TrimCase{"AllSix", " \t\r\n\v\f", ""},
                                         TrimCase{"Bare", "a", "a"},
                                         TrimCase{"InnerBlanksStay", "  1, a b \t", "1, a b"},
                                         TrimCase{"FormFeedAndLineEnd", "\v\fx\r\n", "x"},
                                         TrimCase{"NoBreakSpaceIsText", "\xa0x\xa0", "\xa0x\xa0"}),
                         [](const testing::TestParamInfo<TrimCase>& info) {
                             return info.param.name;
                         });

} // namespace

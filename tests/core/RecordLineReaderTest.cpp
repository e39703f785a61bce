#include "station/records/RecordLineReader.h"

#include "platform/SystemUtils.h"
#include "station/records/RecordLineFields.h"
#include "tests/core/RecordSamples.h"

#include <array>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The reading rule spelled out with SplitFirst, piece by piece, as the data file has always
// been read.
std::vector<std::string> ReadBySplitFirst(std::string line) {
    std::vector<std::string> pieces;
    for (;;) {
        std::string piece = SplitFirst(line, ",");
        if (piece.empty()) {
            return pieces;
        }
        const std::size_t first = piece.find_first_not_of(" \t\r\n\v\f");
        piece = first == std::string::npos
                    ? std::string()
                    : piece.substr(first, piece.find_last_not_of(" \t\r\n\v\f") - first + 1);
        pieces.push_back(piece);
    }
}

std::vector<std::string> ReadByReader(std::string_view line) {
    std::vector<std::string> pieces;
    RecordLineReader reader(line);
    std::string_view piece;
    while (reader.Next(piece)) {
        pieces.emplace_back(piece);
    }
    return pieces;
}

class RecordLineReaderRule : public testing::TestWithParam<std::string> {};

TEST_P(RecordLineReaderRule, FindsThePiecesSplitFirstFinds) {
    EXPECT_EQ(ReadByReader(GetParam()), ReadBySplitFirst(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordLineReaderRule,
    testing::Values("", ",", ",,", "a", "a,", ",a", " a , b ,c", "a,,b", "a, ,b", "a,\t\r\n,b",
                    "a,b\r\n", "  1, 2024-03-05 14:30:27, x,       ", "a, \v\f, b,",
                    "12345678, 2024-03-05 14:30:27, \t\t  298, 05 2D , ",
                    "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,"
                    "29,30,31,32,33,34,35,36,37,38,39,40,41,42"));

TEST(RecordLineReader, PiecesPointIntoTheLineAndStopWhenTheSpanIsFull) {
    const std::string line = "    17, 2024-03-05 14:30:27, 2024-03-05 14:25:00,   5,   45";
    std::array<std::string_view, kRecordTimePiece + 1> pieces;
    EXPECT_EQ(SplitRecordLine(line, pieces), 3u);
    EXPECT_EQ(pieces[kRecordNoPiece], "17");
    EXPECT_EQ(pieces[kRecordTimePiece], "2024-03-05 14:25:00");
    EXPECT_EQ(pieces[kRecordNoPiece].data(), line.data() + 4);
}

TEST(RecordLineReader, ReportsFewerPiecesWhenTheLineEndsEarly) {
    std::array<std::string_view, kRecordTimePiece + 1> pieces;
    EXPECT_EQ(SplitRecordLine("17,,2024-03-05 14:25:00", pieces), 1u);
    EXPECT_EQ(SplitRecordLine("", pieces), 0u);
}

// Lines of characters that matter to the rule (commas, every kind of white space) and some that
// do not (a zero byte, a byte above 127), of every length around the word sizes the splitter
// works in and beyond the longest line it splits by masks.
std::string RandomLine(std::mt19937& random, std::size_t size) {
    static constexpr char kChars[] = {',',  ',', ' ', ' ', ' ', '\t', '\n',   '\v',   '\f',
                                      '\r', 'a', '1', '-', '.', '\0', '\x80', '\x08', '\x0e'};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kChars) - 1);
    std::string line(size, ' ');
    for (char& c : line)
        c = kChars[pick(random)];
    return line;
}

TEST(RecordLineReader, TheSplitFindsWhatTheReaderFindsOnAnyLine) {
    std::mt19937 random(20261209);
    std::vector<std::size_t> sizes;
    for (std::size_t size = 0; size <= 200; ++size)
        sizes.push_back(size);
    for (std::size_t size : {255u, 256u, 257u, 511u, 512u, 1000u, 1023u, 1024u, 1025u, 1100u})
        sizes.push_back(size);
    for (const std::size_t size : sizes) {
        for (int round = 0; round < 20; ++round) {
            const std::string line = RandomLine(random, size);
            for (const std::size_t most :
                 {std::size_t{3}, kRecordLineReadPieces, std::size_t{600}}) {
                std::vector<std::string_view> expected(most);
                RecordLineReader reader(line);
                std::size_t count = 0;
                while (count < most && reader.Next(expected[count]))
                    ++count;
                expected.resize(count);
                std::vector<std::string_view> pieces(most);
                pieces.resize(SplitRecordLine(line, pieces));
                ASSERT_EQ(pieces, expected) << testing::PrintToString(line) << " most " << most;
                for (std::string_view piece : pieces) {
                    EXPECT_GE(piece.data(), line.data());
                    EXPECT_LE(piece.data() + piece.size(), line.data() + line.size());
                }
            }
        }
    }
}

// ---- Which lines hold a record ---------------------------------------------------------------

struct RecordRuleCase {
    const char* line;
    bool record;
};

void PrintTo(const RecordRuleCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.line));
}

class RecordLineRule : public testing::TestWithParam<RecordRuleCase> {};

// A line holds a record when its first field is a whole number and its third a time the
// calendar and the clock have; whatever else it holds or lacks.
TEST_P(RecordLineRule, ALineHoldsARecordByItsNumberAndItsTime) {
    const std::string_view line = GetParam().line;
    RecordFieldViews fields;
    EXPECT_EQ(ReadRecordFields(line, fields), GetParam().record);
    EXPECT_EQ(HoldsRecord(fields), GetParam().record);
    const std::optional<RecordKey> key = ReadRecordKey(line);
    ASSERT_EQ(key.has_value(), GetParam().record);
    if (key) {
        EXPECT_EQ(key->number, fields[kRecordNoPiece]);
        EXPECT_EQ(key->time, fields[kRecordTimePiece]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordLineRule,
    testing::Values(RecordRuleCase{"     1, 2024-03-05 14:30:27, 2024-03-05 14:25:00", true},
                    RecordRuleCase{"300, x, 2024-02-29 23:59:59, 5", true},
                    RecordRuleCase{"1234567, , 2000-02-29 00:00:00", true},
                    RecordRuleCase{"0, x, 1900-01-01 00:00:00", true},
                    RecordRuleCase{"1, 2024-03-05 14:30:27, \t2024-03-05 14:25:00\r, 5", true},
                    RecordRuleCase{"", false}, RecordRuleCase{"this line is garbage", false},
                    RecordRuleCase{"this lin, e, 2024-03-05 14:25:00", false},
                    RecordRuleCase{"1, 2024-03-05 14:30:27", false},
                    RecordRuleCase{"1, 2024-03-05 14:30:27,", false},
                    RecordRuleCase{"1, 2024-03-05 14:30:27,, 2024-03-05 14:25:00", false},
                    RecordRuleCase{",1, 2024-03-05 14:30:27, 2024-03-05 14:25:00", false},
                    RecordRuleCase{"+1, x, 2024-03-05 14:25:00", false},
                    RecordRuleCase{"-1, x, 2024-03-05 14:25:00", false},
                    RecordRuleCase{"1.0, x, 2024-03-05 14:25:00", false},
                    RecordRuleCase{"1 2, x, 2024-03-05 14:25:00", false},
                    RecordRuleCase{"1, x, 2024-03-05 14:25", false},
                    RecordRuleCase{"1, x, 2024-03-05 14:25:00.5", false},
                    RecordRuleCase{"1, x, 2024-3-05 14:25:00", false},
                    RecordRuleCase{"1, x, 2024/03/05 14:25:00", false},
                    RecordRuleCase{"1, x, 2024-03-05T14:25:00", false},
                    RecordRuleCase{"1, x, 2024-03-05 14:25:0x", false},
                    RecordRuleCase{"1, x, 2024-00-05 14:25:00", false},
                    RecordRuleCase{"1, x, 2024-13-05 14:25:00", false},
                    RecordRuleCase{"1, x, 2024-03-00 14:25:00", false},
                    RecordRuleCase{"1, x, 2024-04-31 14:25:00", false},
                    RecordRuleCase{"1, x, 2023-02-29 14:25:00", false},
                    RecordRuleCase{"1, x, 1900-02-29 14:25:00", false},
                    RecordRuleCase{"1, x, 2024-03-05 24:00:00", false},
                    RecordRuleCase{"1, x, 2024-03-05 14:60:00", false},
                    RecordRuleCase{"1, x, 2024-03-05 14:25:60", false},
                    RecordRuleCase{"1, x, 1899-12-31 23:59:59", false}));

TEST(RecordLineRule, AFieldALineLacksHoldsTheTextOfANewRecord) {
    RecordFieldViews fields;
    EXPECT_TRUE(ReadRecordFields("  301, 2024-03-05 14:30:27, 2024-03-05 14:25:00", fields));
    const CWeatherRecord fresh;
    EXPECT_EQ(fields[kRecordNoPiece], "301");
    EXPECT_EQ(fields[LinePieceOf(&CWeatherRecord::sampleCircle)], "---");
    EXPECT_EQ(fields[LinePieceOf(&CWeatherRecord::outTemp)], "---");
    EXPECT_EQ(fields[LinePieceOf(&CWeatherRecord::flag1)], fresh.flag1);
    EXPECT_EQ(fields[LinePieceOf(&CWeatherRecord::hexValue)], fresh.hexValue);
}

// A line of `fields` fields, each a few characters padded as the record layer pads them; the
// field texts differ from line to line so that a field taken from another line shows.
std::string NumberedLine(std::mt19937& random, std::size_t fields, int lineNo) {
    std::uniform_int_distribution<int> pad(0, 4);
    std::string line;
    for (std::size_t field = 0; field < fields; ++field) {
        if (field > 0)
            line += ", ";
        line.append(static_cast<std::size_t>(pad(random)), ' ');
        line += std::to_string(lineNo) + "." + std::to_string(field);
    }
    return line;
}

// The fields read from a line, after any number of lines of every length, are those of a new
// record that parsed that line alone.
TEST(RecordLineRule, TheFieldsReadAreThoseOfANewRecordThatParsedTheLine) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> lengths(0, kRecordLineFields + 2);
    RecordFieldViews fields;
    for (int lineNo = 0; lineNo < 2000; ++lineNo) {
        const std::size_t count = lineNo % 7 < 4 ? kRecordLineFields : lengths(random);
        const std::string line = NumberedLine(random, count, lineNo);
        ReadRecordFields(line, fields);
        CWeatherRecord record = ScaledRecord(); // every field held, as if from another line
        ParseRecordLine(record, line);
        const RecordFieldViews parsed = FieldViewsOf(record);
        ASSERT_EQ(std::vector<std::string>(fields.begin(), fields.end()),
                  std::vector<std::string>(parsed.begin(), parsed.end()))
            << line;
    }
}

} // namespace

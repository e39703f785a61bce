#include "station/values/ByteText.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The buffer forms write exactly their size, NUL included, and not a byte more.
template <typename Write>
std::string WrittenWithGuard(std::size_t size, Write write) {
    std::string buffer(size + 4, '#');
    const char* returned = write(buffer.data());
    EXPECT_EQ(returned, buffer.data());
    EXPECT_EQ(buffer.substr(size), "####") << "wrote past its size";
    EXPECT_EQ(buffer[size - 1], '\0');
    return std::string(buffer.c_str());
}

TEST(BitString, ShowsBitZeroFirst) {
    EXPECT_EQ(BitString(0x01), "10000000");
    EXPECT_EQ(BitString(0x80), "00000001");
    EXPECT_EQ(BitString(0x60), "00000110");
    EXPECT_EQ(BitString(0x00), "00000000");
    EXPECT_EQ(BitString(0xFF), "11111111");
    EXPECT_EQ(WrittenWithGuard(kBitStringSize, [](char* out) { return BitString(0xA5, out); }),
              "10100101");
}

TEST(HexDump, EndsEveryByteWithABlank) {
    const Bytes bytes = {0x0A, 0xFF};
    EXPECT_EQ(HexDump(bytes.data(), bytes.size()), "0A FF ");
    EXPECT_EQ(HexDump(bytes.data(), 0), "");
    EXPECT_EQ(
        WrittenWithGuard(HexDumpSize(2), [&](char* out) { return HexDump(bytes.data(), 2, out); }),
        "0A FF ");
}

TEST(HexString, HasNoSeparators) {
    const Bytes bytes = {0x00, 0x9B, 0xC4};
    EXPECT_EQ(HexString(bytes.data(), bytes.size()), "009BC4");
    EXPECT_EQ(HexString(bytes.data(), 0), "");
    EXPECT_EQ(WrittenWithGuard(HexStringSize(3),
                               [&](char* out) { return HexString(bytes.data(), 3, out); }),
              "009BC4");
}

struct TimeCase {
    Bytes bytes;
    std::string text;
};

class BcdTime : public testing::TestWithParam<TimeCase> {};

TEST_P(BcdTime, ReadsAndWritesTheSameFiveBytes) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(BcdTimeToText(c.bytes.data()), c.text);
    const auto bytes = TextToBcdTime(c.text);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Times, BcdTime,
    testing::Values(TimeCase{{0x09, 0x12, 0x31, 0x23, 0x59}, "2009-12-31 23:59"},
                    TimeCase{{0x00, 0x00, 0x00, 0x00, 0x00}, "2000-00-00 00:00"},
                    TimeCase{{0x07, 0x01, 0x01, 0x12, 0x00}, "2007-01-01 12:00"},
                    TimeCase{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "20FF-FF-FF FF:FF"},
                    TimeCase{{0x9A, 0xB0, 0x0C, 0xDE, 0xF1}, "209A-B0-0C DE:F1"}));

TEST(BcdTime, BufferFormWritesSixteenCharacters) {
    const Bytes bytes = {0x24, 0x02, 0x29, 0x07, 0x05};
    EXPECT_EQ(WrittenWithGuard(kBcdTimeTextSize,
                               [&](char* out) { return BcdTimeToText(bytes.data(), out); }),
              "2024-02-29 07:05");
    std::uint8_t out[kBcdTimeBytes + 1] = {0, 0, 0, 0, 0, 0xEE};
    TextToBcdTime("2024-02-29 07:05", out);
    EXPECT_EQ(Bytes(out, out + 6), (Bytes{0x24, 0x02, 0x29, 0x07, 0x05, 0xEE}));
}

TEST(BcdTime, LooksOnlyAtTheDigitPairs) {
    const auto bytes = TextToBcdTime("19 9/12x31T23h59 and more");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), (Bytes{0x09, 0x12, 0x31, 0x23, 0x59}));
}

TEST(BcdTime, ATextTooShortForATimeGivesZeroBytes) {
    for (const char* text : {"", "---", "2009-12-31 23:5"}) {
        const auto bytes = TextToBcdTime(text);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), Bytes(5, 0)) << text;
    }
}

TEST(BcdTime, OtherCharactersCountAsZero) {
    const auto bytes = TextToBcdTime("20ab-1g-x9 :5-:-");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), (Bytes{0x00, 0x10, 0x09, 0x05, 0x00}));
}

struct HexTextCase {
    std::string text;
    Bytes bytes;
};

class HexText : public testing::TestWithParam<HexTextCase> {};

TEST_P(HexText, GivesHalfItsLengthInBytes) {
    EXPECT_EQ(HexTextToBytes(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexText,
    testing::Values(HexTextCase{"", {}}, HexTextCase{"7", {}}, HexTextCase{"a1", {0x01}},
                    HexTextCase{"A1", {0xA1}},
                    HexTextCase{"0123456789ABCDEF",
                                {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}},
                    HexTextCase{"FFF", {0xFF}}, HexTextCase{"G9 Z", {0x09, 0x00}},
                    HexTextCase{"-- ", {0x00}}));

TEST(HexText, BufferFormStopsAtItsCapacity) {
    std::uint8_t out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(HexTextToBytes("123456", out, 2), 2u);
    EXPECT_EQ(Bytes(out, out + 4), (Bytes{0x12, 0x34, 0xEE, 0xEE}));
    EXPECT_EQ(HexTextToBytes("AB", out, 4), 1u);
    EXPECT_EQ(out[0], 0xAB);
    EXPECT_EQ(HexTextToBytes("", out, 4), 0u);
    EXPECT_EQ(out[1], 0x34);
}

TEST(HexText, ReadsBackWhatHexStringWrote) {
    Bytes all(256);
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(HexTextToBytes(HexString(all.data(), all.size())), all);
}

} // namespace

#include "station/console/HistoryRecord.h"

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

using RecordBytes = std::array<std::uint8_t, kHistoryRecordSize>;
using Text = std::string CWeatherRecord::*;
using Int = int CWeatherRecord::*;

// A record with every value in range: 5 min, 65 %, 22.7 °C, 60 %, 26.4 °C, 1009.0 hPa, wind
// 9.6 m/s, gust 20.4 m/s, direction 2, rain counter 10900, no flags, 6572.3 lux, UV 10.
constexpr RecordBytes kGood = {0x05, 0x41, 0xE3, 0x00, 0x3C, 0x08, 0x01, 0x6A, 0x27, 0x60,
                               0xCC, 0x00, 0x02, 0x94, 0x2A, 0x00, 0xBB, 0x00, 0x01, 0x0A};

RecordBytes With(std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    RecordBytes record = kGood;
    for (std::uint8_t byte : bytes)
        record[offset++] = byte;
    return record;
}

TEST(HistoryRecord, DecodesEveryFieldWithItsBytesAndRawValue) {
    CWeatherRecord r;
    ASSERT_TRUE(DecodeHistoryRecord(kGood, r));

    const std::pair<Text, const char*> texts[] = {
        {&CWeatherRecord::sampleCircle, "5"},
        {&CWeatherRecord::indHumi, "65"},
        {&CWeatherRecord::indTemp, "227"},
        {&CWeatherRecord::outHumi, "60"},
        {&CWeatherRecord::outTemp, "264"},
        {&CWeatherRecord::absPres, "10090"},
        {&CWeatherRecord::relPres, ""},
        {&CWeatherRecord::winds, "96"},
        {&CWeatherRecord::gust, "204"},
        {&CWeatherRecord::windDir, "2"},
        {&CWeatherRecord::rain, "10900"},
        {&CWeatherRecord::lightmeter, "65723"},
        {&CWeatherRecord::uv, "10"},
        {&CWeatherRecord::windsHex, "60 CC 00 "},
        {&CWeatherRecord::gustHex, "CC 00 "},
        {&CWeatherRecord::lightmeterHex, "BB 00 01 "},
        {&CWeatherRecord::indTempHex, "E3 00 "},
        {&CWeatherRecord::flag_bin, "00000000"},
        {&CWeatherRecord::hexValue, "05 41 E3 00 3C 08 01 6A 27 60 CC 00 02 94 2A 00 BB 00 01 0A "},
        {&CWeatherRecord::dewPoint, "---"}, // derived later, by the metric scaling
    };
    for (const auto& [field, expected] : texts)
        EXPECT_EQ(r.*field, expected) << expected;
    EXPECT_EQ(r.rainRaw, 10900);
    EXPECT_EQ(r.lightmeterRaw, 65723);
}

// One field's bytes changed in an otherwise good record.
struct FieldCase {
    const char* name;
    RecordBytes bytes;
    Text text;
    Int raw;
    const char* expectedText;
    int expectedRaw;
    bool verdict;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << c.name;
}

class HistoryFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(HistoryFieldTest, ShowsValuesInRangeAndJudgesOnlyHumidityAndTemperature) {
    const FieldCase& c = GetParam();
    CWeatherRecord r;
    EXPECT_EQ(DecodeHistoryRecord(c.bytes, r), c.verdict);
    EXPECT_EQ(r.*c.text, c.expectedText);
    EXPECT_EQ(r.*c.raw, c.expectedRaw);
}

#define FIELD(name) &CWeatherRecord::name, &CWeatherRecord::name##Raw

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, HistoryFieldTest, testing::Values(
    FieldCase{"Interval240", With(0, {240}), FIELD(sampleCircle), "240", 240, true},
    FieldCase{"Interval241", With(0, {241}), FIELD(sampleCircle), "---", 241, true},
    FieldCase{"Humidity99", With(1, {99}), FIELD(indHumi), "99", 99, true},
    FieldCase{"Humidity100", With(1, {100}), FIELD(indHumi), "---", 100, false},
    FieldCase{"Humidity254", With(4, {254}), FIELD(outHumi), "---", 254, false},
    FieldCase{"NoHumidity", With(4, {255}), FIELD(outHumi), "---", 255, true},
    FieldCase{"Temperature800", With(2, {0x20, 0x03}), FIELD(indTemp), "800", 800, true},
    FieldCase{"Temperature801", With(2, {0x21, 0x03}), FIELD(indTemp), "---", 801, false},
    FieldCase{"TemperatureMinus400", With(5, {0x90, 0x81}), FIELD(outTemp), "-400", -400, true},
    FieldCase{"TemperatureMinus401", With(5, {0x91, 0x81}), FIELD(outTemp), "---", -401, false},
    FieldCase{"MinusZero", With(5, {0x00, 0x80}), FIELD(outTemp), "0", 0, true},
    FieldCase{"NoTemperature", With(5, {0xFF, 0xFF}), FIELD(outTemp), "---", -32767, true},
    FieldCase{"Pressure7999", With(7, {0x3F, 0x1F}), FIELD(absPres), "---", 7999, true},
    FieldCase{"Pressure12000", With(7, {0xE0, 0x2E}), FIELD(absPres), "12000", 12000, true},
    FieldCase{"NoPressure", With(7, {0xFF, 0xFF}), FIELD(absPres), "---", 0xFFFF, true},
    FieldCase{"Wind500", With(9, {0xF4, 0xCC, 0x01}), FIELD(winds), "500", 500, true},
    FieldCase{"Wind501", With(9, {0xF5, 0xCC, 0x01}), FIELD(winds), "---", 501, true},
    FieldCase{"GustHighNibble", With(10, {0x2C, 0x11}), FIELD(gust), "300", 300, true},
    FieldCase{"NoGust", With(10, {0xFF, 0xF0}), FIELD(gust), "---", 0xFFF, true},
    FieldCase{"Direction15", With(12, {0x0F}), FIELD(windDir), "15", 15, true},
    FieldCase{"DirectionByte16", With(12, {0x13}), FIELD(windDir), "---", 3, true},
    FieldCase{"RainTop", With(13, {0xFF, 0xFF}), FIELD(rain), "65535", 65535, true},
    FieldCase{"NoLight", With(16, {0xFF, 0xFF, 0x00}), FIELD(lightmeter), "---", 65535, true},
    FieldCase{"Light131071", With(16, {0xFF, 0xFF, 0x01}), FIELD(lightmeter), "131071", 131071,
              true},
    FieldCase{"Light4000000", With(16, {0x00, 0x09, 0x3D}), FIELD(lightmeter), "4000000", 4000000,
              true},
    FieldCase{"Light4000001", With(16, {0x01, 0x09, 0x3D}), FIELD(lightmeter), "---", 4000001,
              true},
    FieldCase{"Uv15", With(19, {15}), FIELD(uv), "15", 15, true},
    FieldCase{"Uv16", With(19, {16}), FIELD(uv), "---", 16, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

#undef FIELD

TEST(HistoryRecord, AValueOutOfRangeLeavesTheTextOfAnEarlierReading) {
    CWeatherRecord r;
    ASSERT_TRUE(DecodeHistoryRecord(kGood, r));
    EXPECT_FALSE(DecodeHistoryRecord(With(1, {100}), r));
    EXPECT_EQ(r.indHumi, "65");
    EXPECT_EQ(r.indHumiHex, "64 ");
    EXPECT_EQ(r.indHumiRaw, 100);

    r.relPres = "1013.2";
    ASSERT_TRUE(DecodeHistoryRecord(With(7, {0xFF, 0xFF}), r));
    EXPECT_EQ(r.relPres, "1013.2") << "only a shown pressure voids the relative one";
}

TEST(HistoryRecord, AllFieldsAreDecodedWhenTheVerdictFails) {
    CWeatherRecord r;
    EXPECT_FALSE(DecodeHistoryRecord(With(2, {0xFF, 0x7F}), r));
    EXPECT_EQ(r.indTempRaw, 32767);
    EXPECT_EQ(r.uv, "10");
    EXPECT_EQ(r.flag_bin, "00000000");
}

TEST(HistoryRecord, TheFlagByteGivesEightFlagsBitZeroFirst) {
    CWeatherRecord r;
    ASSERT_TRUE(DecodeHistoryRecord(With(15, {0xC1}), r));
    EXPECT_EQ(r.flag_bin, "10000011");
    const char* expected[] = {"1", "0", "0", "0", "0", "0", "1", "1"};
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(r.*kRecordFlags[bit], expected[bit]) << bit;
}

} // namespace

#include "station/console/FixedBlockCodec.h"

#include "station/values/UnitNames.h"
#include "tests/core/FixedBlockSamples.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using S = CWeatherSettings;
using Text = std::string S::*;
using Bytes = std::vector<std::uint8_t>;

// Any byte anywhere, none of them zero, so that a byte written in the wrong place shows.
FixedBlock RandomBlock(std::mt19937& random) {
    std::uniform_int_distribution<int> byte(1, 255);
    FixedBlock block;
    for (std::uint8_t& b : block)
        b = static_cast<std::uint8_t>(byte(random));
    return block;
}

FixedBlock Placed(std::size_t offset, const Bytes& bytes) {
    FixedBlock block{};
    std::copy(bytes.begin(), bytes.end(), block.begin() + static_cast<std::ptrdiff_t>(offset));
    return block;
}

// Bytes at an offset of an otherwise empty block and the text they stand for. Both directions
// agree on these: decoding the bytes gives the text, and encoding the text gives the bytes.
struct EncodingCase {
    const char* name;
    std::size_t offset;
    Bytes bytes;
    Text field;
    std::string text;
};

void PrintTo(const EncodingCase& c, std::ostream* os) {
    *os << c.name;
}

class EveryEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(EveryEncoding, DecodesTheBytesToTheText) {
    const EncodingCase& c = GetParam();
    EXPECT_EQ(Decoded(Placed(c.offset, c.bytes), kWholeBlock, false).*c.field, c.text);
}

TEST_P(EveryEncoding, EncodesTheTextToTheBytes) {
    const EncodingCase& c = GetParam();
    CWeatherSettings settings = Decoded(FixedBlock{});
    settings.*c.field = c.text;
    EXPECT_EQ(Encoded(settings), Placed(c.offset, c.bytes));
}

INSTANTIATE_TEST_SUITE_P(
    FixedBlock, EveryEncoding,
    testing::Values(
        EncodingCase{"Byte", 0x10, {0x05}, &S::historyCircle, "5"},
        EncodingCase{"ByteTop", 0x62, {0xFF}, &S::indHumiMax, "255"},
        EncodingCase{"Word", 0x1E, {0x00, 0x01}, &S::historyStackAddr, "256"},
        EncodingCase{"WordTop", 0x53, {0xFF, 0xFF}, &S::hourRainAlarm, "65535"},
        EncodingCase{"Word24", 0x5E, {0x40, 0xE2, 0x01}, &S::lightmeterMax, "123456"},
        EncodingCase{"Word24Alarm", 0x59, {0xFF, 0xFF, 0xFF}, &S::lightmeterHighAlarm, "16777215"},
        EncodingCase{"Factor", 0x04, {0x34, 0x12}, &S::windFactor, "4660"},
        EncodingCase{"SignedNegative", 0x3A, {0x64, 0x80}, &S::outTempLowAlarm, "-100"},
        EncodingCase{"SignedPositive", 0x6A, {0xC8, 0x00}, &S::outTempMax, "200"},
        EncodingCase{"SignedLargest", 0x74, {0xFF, 0xFF}, &S::dewpointMin, "-32767"},
        EncodingCase{"ZonePositive", 0x18, {0x01}, &S::timeZone, "+1"},
        EncodingCase{"ZoneTwelve", 0x18, {0x12}, &S::timeZone, "+12"},
        EncodingCase{"ZoneNegative", 0x18, {0x92}, &S::timeZone, "-12"},
        EncodingCase{"ZoneLargest", 0x18, {0xF9}, &S::timeZone, "-79"},
        EncodingCase{"Time",
                     0x06,
                     {0x09, 0x05, 0x23, 0x14, 0x07},
                     &S::lightmeterMaxTime,
                     "2009-05-23 14:07"},
        EncodingCase{"NeverSetTime",
                     0x8D,
                     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                     &S::indHumiMaxTime,
                     "20FF-FF-FF FF:FF"},
        EncodingCase{"TimeNotValidated",
                     0x92,
                     {0x07, 0x13, 0x32, 0x24, 0x60},
                     &S::indHumiMinTime,
                     "2007-13-32 24:60"},
        EncodingCase{"LastTime",
                     0xFB,
                     {0x99, 0x12, 0x31, 0x23, 0x59},
                     &S::totalRainMaxTime,
                     "2099-12-31 23:59"},
        EncodingCase{"InitFlag1", 0x00, {0x55}, &S::initFlag1, "1"},
        EncodingCase{"InitFlag2", 0x01, {0xAA}, &S::initFlag2, "1"},
        EncodingCase{"UpdateFlag", 0x1A, {0xAA}, &S::updateFlag, "1"},
        EncodingCase{
            "IndoorFahrenheit", 0x11, {0x01}, &S::indTempUnit, std::string(kUnitFahrenheit)},
        EncodingCase{
            "OutdoorFahrenheit", 0x11, {0x02}, &S::outTempUnit, std::string(kUnitFahrenheit)},
        EncodingCase{"RainInch", 0x11, {0x04}, &S::rainUnit, "inch"},
        EncodingCase{"PressureHpa", 0x11, {0x20}, &S::presUnit, "hPa"},
        EncodingCase{"PressureInHg", 0x11, {0x40}, &S::presUnit, "inHg"},
        EncodingCase{"PressureMmHg", 0x11, {0x80}, &S::presUnit, "mmHg"},
        EncodingCase{"WindMs", 0x12, {0x01}, &S::windUnit, "m/s"},
        EncodingCase{"WindKmh", 0x12, {0x02}, &S::windUnit, "km/h"},
        EncodingCase{"WindKnot", 0x12, {0x04}, &S::windUnit, "knot"},
        EncodingCase{"WindMph", 0x12, {0x08}, &S::windUnit, "mph"},
        EncodingCase{"WindBft", 0x12, {0x10}, &S::windUnit, "bft"},
        EncodingCase{"LightFc", 0x1D, {0x01}, &S::lightmeterUnit, "fc"},
        EncodingCase{"PressureFormat", 0x13, {0x01}, &S::presFmt, "1"},
        EncodingCase{"AxisFormat", 0x13, {0x10}, &S::axisFmt, "1"},
        EncodingCase{"TimeFormatFull", 0x13, {0x20}, &S::timeFmt, "0"},
        EncodingCase{"TimeFormatAlarm", 0x13, {0x80}, &S::timeFmt, "2"},
        EncodingCase{"OutTempFormatDew", 0x14, {0x04}, &S::outTempFmt, "2"},
        EncodingCase{"RainFormatHour", 0x14, {0x08}, &S::rainFmt, "0"},
        EncodingCase{"RainFormatTotal", 0x14, {0x80}, &S::rainFmt, "4"},
        EncodingCase{"TimeAlarmFlag", 0x15, {0x02}, &S::timeAlarmFlag, "1"},
        EncodingCase{"OutHumiHighFlag", 0x15, {0x80}, &S::outHumiHighAlarmFlag, "1"},
        EncodingCase{"WindAlarmFlag", 0x16, {0x01}, &S::windAlarmFlag, "1"},
        EncodingCase{"RelPresHighFlag", 0x16, {0x80}, &S::relPresHighAlarmFlag, "1"},
        EncodingCase{"IndTempLowFlag", 0x17, {0x01}, &S::indTempLowAlarmFlag, "1"},
        EncodingCase{"DewpointHighFlag", 0x17, {0x80}, &S::dewpointHighAlarmFlag, "1"},
        EncodingCase{"LightAlarmFlag", 0x1D, {0x02}, &S::lightmeterHighAlarmFlag, "1"},
        EncodingCase{"UvAlarmFlag", 0x1D, {0x04}, &S::uvHighAlarmFlag, "1"},
        EncodingCase{"Reserved19", 0x19, {0x3C}, &S::reserved19Hex, "3C"},
        EncodingCase{"Reserved24",
                     0x24,
                     {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x10, 0x32, 0x54, 0x76},
                     &S::reserved24Hex,
                     "0123456789ABCDEF10325476"},
        EncodingCase{"Reserved61", 0x61, {0xFE}, &S::reserved61Hex, "FE"},
        EncodingCase{"AlarmHour", 0x57, {0x13}, &S::timeAlarmHour, "13"},
        EncodingCase{"AlarmMinute", 0x58, {0x59}, &S::timeAlarmMinute, "59"},
        EncodingCase{
            "MonthRainHigh", 0x88, {0x70, 0x11, 0x00, 0x00, 0x0F}, &S::monthRainMax, "987504"},
        EncodingCase{"TotalRainHigh", 0x8A, {0x00, 0x00, 0x20}, &S::totalRainMax, "131072"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });

TEST(FixedBlockCodec, SplitsTheTwoRainMaximaOverTheSharedByte) {
    CWeatherSettings settings = Decoded(FixedBlock{});
    settings.monthRainMax = "70000";
    settings.totalRainMax = "131072";
    const FixedBlock block = Encoded(settings);
    EXPECT_EQ(Bytes(block.begin() + 0x88, block.begin() + 0x8D),
              (Bytes{0x70, 0x11, 0x00, 0x00, 0x21}));

    const CWeatherSettings back = Decoded(block);
    EXPECT_EQ(back.monthRainMax, "70000");
    EXPECT_EQ(back.totalRainMax, "131072");
    EXPECT_EQ(back.monthRainMaxHex, "70 11 00 00 21 ");
    EXPECT_EQ(back.totalRainMaxHex, "00 00 21 ");
    EXPECT_EQ(back.monthRainMaxRaw, 70000);
}

TEST(FixedBlockCodec, ARainMaximumBeyondTwentyBitsKeepsOutOfTheOthersNibble) {
    CWeatherSettings settings = Decoded(FixedBlock{});
    settings.monthRainMax = "2097151"; // 21 bits set
    EXPECT_EQ(Encoded(settings)[0x8C], 0x0F);
}

// Bytes that the texts cannot carry back: what a read-modify-write turns them into.
struct DifferingCase {
    const char* name;
    std::size_t offset;
    Bytes read;
    Text field;
    std::string text;
    Bytes written;
};

void PrintTo(const DifferingCase& c, std::ostream* os) {
    *os << c.name;
}

class WhereTheDirectionsDiffer : public testing::TestWithParam<DifferingCase> {};

TEST_P(WhereTheDirectionsDiffer, ReadsTheTextAndWritesTheOtherBytes) {
    const DifferingCase& c = GetParam();
    const CWeatherSettings settings = Decoded(Placed(c.offset, c.read), kWholeBlock, false);
    EXPECT_EQ(settings.*c.field, c.text);
    EXPECT_EQ(Encoded(settings), Placed(c.offset, c.written));
}

INSTANTIATE_TEST_SUITE_P(
    FixedBlock, WhereTheDirectionsDiffer,
    testing::Values(
        DifferingCase{"FactorNoValue", 0x02, {0xFF, 0xFF}, &S::rainFactor, "", {0x00, 0x00}},
        DifferingCase{"SignedMinusZero", 0x66, {0x00, 0x80}, &S::indTempMax, "0", {0x00, 0x00}},
        DifferingCase{"ZoneMinusZero", 0x18, {0x80}, &S::timeZone, "0", {0x00}},
        DifferingCase{"ZoneZero", 0x18, {0x00}, &S::timeZone, "0", {0x00}},
        DifferingCase{"ZoneUnitsNotBcd", 0x18, {0x8F}, &S::timeZone, "-15", {0x95}},
        DifferingCase{"TwoPressureUnits", 0x11, {0x60}, &S::presUnit, "hPa", {0x20}},
        DifferingCase{"UnusedUnitBits", 0x11, {0x18}, &S::presUnit, "", {0x00}},
        DifferingCase{"TwoWindUnitsAndUnused", 0x12, {0xEA}, &S::windUnit, "km/h", {0x02}},
        DifferingCase{"NoTimeFormat", 0x13, {0x1F}, &S::timeFmt, "", {0x1F}},
        DifferingCase{"TwoRainFormats", 0x14, {0x50}, &S::rainFmt, "1", {0x10}},
        DifferingCase{"UnusedAlarmBits", 0x15, {0x09}, &S::timeAlarmFlag, "0", {0x00}},
        DifferingCase{"UnusedLightBits", 0x1D, {0xF9}, &S::lightmeterUnit, "fc", {0x01}},
        DifferingCase{"FlagNotItsMarker", 0x00, {0xAA}, &S::initFlag1, "0", {0x00}},
        DifferingCase{"UpdateNotItsMarker", 0x1A, {0x55}, &S::updateFlag, "0", {0x00}}),
    [](const testing::TestParamInfo<DifferingCase>& info) { return info.param.name; });

// Texts typed or computed by the program rather than decoded.
struct TypedCase {
    const char* name;
    Text field;
    std::string text;
    std::size_t offset;
    Bytes written;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedTexts : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedTexts, AreWrittenAsTheseBytes) {
    const TypedCase& c = GetParam();
    CWeatherSettings settings = Decoded(FixedBlock{});
    settings.*c.field = c.text;
    EXPECT_EQ(Encoded(settings), Placed(c.offset, c.written));
}

INSTANTIATE_TEST_SUITE_P(
    FixedBlock, TypedTexts,
    testing::Values(TypedCase{"NoValue", &S::windAlarm, "---", 0x4D, {0x00, 0x00}},
                    TypedCase{"Empty", &S::absPresLowAlarm, "", 0x46, {0x00, 0x00}},
                    TypedCase{"DecimalPoint", &S::relPresHighAlarm, "10132.9", 0x48, {0x94, 0x27}},
                    TypedCase{"LeadingBlanks", &S::historyCircle, "  30min", 0x10, {0x1E}},
                    TypedCase{"NegativeUnsigned", &S::relPres, "-1", 0x20, {0xFF, 0xFF}},
                    TypedCase{"ByteCut", &S::uvMax, "257", 0x5D, {0x01}},
                    TypedCase{"HugeNumber", &S::gustAlarm, "99999999999999", 0x50, {0xFF, 0xFF}},
                    TypedCase{"SignedTooLarge", &S::indTempHighAlarm, "40000", 0x32, {0xFF, 0x7F}},
                    TypedCase{
                        "SignedTooSmall", &S::indTempLowAlarm, "-99999999999", 0x34, {0xFF, 0xFF}},
                    TypedCase{"ZoneTooLarge", &S::timeZone, "+85", 0x18, {0x79}},
                    TypedCase{"ZoneTooSmall", &S::timeZone, "-2147483648", 0x18, {0xF9}},
                    TypedCase{"FlagNotExactlyOne", &S::initFlag2, "1 ", 0x01, {0x00}},
                    TypedCase{"BitNotExactlyOne", &S::gustAlarmFlag, "01", 0x16, {0x00}},
                    TypedCase{"UnitCase", &S::presUnit, "HPA", 0x11, {0x00}},
                    TypedCase{"FahrenheitLetterOnly", &S::outTempUnit, "F", 0x11, {0x00}},
                    TypedCase{"GroupOutOfRange", &S::rainFmt, "5", 0x14, {0x00}},
                    TypedCase{"AlarmHourDecimal", &S::timeAlarmHour, "13", 0x57, {0x13}},
                    TypedCase{"HexLowerCase", &S::reserved61Hex, "fe", 0x61, {0x00}},
                    TypedCase{"HexOddLength", &S::reserved24Hex, "ABC", 0x24, {0xAB}},
                    TypedCase{"HexLongerThanField", &S::reserved19Hex, "1234", 0x19, {0x12}},
                    TypedCase{"ShortTime", &S::gustMaxTime, "2009-05-23", 0xE2, {0, 0, 0, 0, 0}}),
    [](const testing::TestParamInfo<TypedCase>& info) { return info.param.name; });

TEST(FixedBlockCodec, AnEmptyHexTextWritesNothing) {
    FixedBlock block{};
    block.fill(0xEE);
    CWeatherSettings settings;
    settings.reserved24Hex = "";
    settings.timeAlarmHour = "";
    EncodeFixedBlock(settings, block.data(), kAlarmArea, false);
    EXPECT_EQ(Bytes(block.begin() + 0x24, block.begin() + 0x30), Bytes(12, 0xEE));
    EXPECT_EQ(block[0x57], 0xEE);
    EXPECT_EQ(block[0x58], 0x00) << "the \"---\" of a new object is no hex pair";
}

TEST(FixedBlockCodec, ANewObjectWritesMetricUnitsAndZeroesOnly) {
    FixedBlock expected{};
    expected[0x11] = 0x20; // hPa, °C, mm
    expected[0x12] = 0x01; // m/s
    EXPECT_EQ(Encoded(CWeatherSettings()), expected);
}

TEST(FixedBlockCodec, ANewObjectShowsNoValuesInMetricUnits) {
    const CWeatherSettings s;
    for (const std::string* text :
         {&s.historyCircle, &s.indHumiHighAlarm, &s.dayRainAlarm, &s.timeAlarmHour,
          &s.timeAlarmMinute, &s.lightmeterHighAlarm, &s.uvHighAlarm, &s.uvMax, &s.lightmeterMax,
          &s.indHumiMax, &s.totalRainMax, &s.indHumiMaxTime, &s.totalRainMaxTime,
          &s.lightmeterMaxTime, &s.uvMaxTime})
        EXPECT_EQ(*text, "---");
    EXPECT_EQ(s.indTempUnit, kUnitCelsius);
    EXPECT_EQ(s.outTempUnit, "°C");
    EXPECT_EQ(s.rainUnit, "mm");
    EXPECT_EQ(s.presUnit, "hPa");
    EXPECT_EQ(s.windUnit, "m/s");
    EXPECT_EQ(s.lightmeterUnit, "lux");
    for (const std::string* text :
         {&s.uvUnit, &s.relPres, &s.rainFactor, &s.historyRecords, &s.historyStackAddr, &s.timeZone,
          &s.initFlag1, &s.timeFmt, &s.timeAlarmFlag, &s.reserved24Hex, &s.hexAll})
        EXPECT_EQ(*text, "");
}

TEST(FixedBlockCodec, RawDecodeFillsTheCompanions) {
    FixedBlock block = kSimulatedBlock;
    block = WithBytes(block, 0x02, {0xFF, 0xFF});
    block = WithBytes(block, 0x11, {0xC1});
    block = WithBytes(block, 0x18, {0x92, 0x3C});
    const CWeatherSettings s = Decoded(block);
    EXPECT_EQ(s.rainFactorHex, "FF FF ");
    EXPECT_EQ(s.rainFactorRaw, 65535);
    EXPECT_EQ(s.indTempUnitRaw, 1);
    EXPECT_EQ(s.outTempUnitRaw, 0);
    EXPECT_EQ(s.presUnitBits, "011");
    EXPECT_EQ(s.presUnit, "inHg");
    EXPECT_EQ(s.windUnitBits, "01000");
    EXPECT_EQ(s.timeFmtBits, "100");
    EXPECT_EQ(s.outTempFmtBits, "100");
    EXPECT_EQ(s.rainFmtBits, "10000");
    EXPECT_EQ(s.timeZoneHex, "92 3C ");
    EXPECT_EQ(s.timeZoneRaw, -12);
    EXPECT_EQ(s.reserved19Hex, "3C");
    EXPECT_EQ(s.initFlag1Hex, "55 ");
    EXPECT_EQ(s.historyStackAddrHex, "00 01 ");
    EXPECT_EQ(s.outTempLowAlarmHex, "64 80 ");
    EXPECT_EQ(s.outTempLowAlarmRaw, -100);
    EXPECT_EQ(s.lightmeterMaxHex, "C8 B4 14 ");
    EXPECT_EQ(s.lightmeterMaxRaw, 0x14B4C8);
    EXPECT_EQ(s.indHumiMaxTimeHex, "0701011200");
    EXPECT_EQ(s.uvMaxTimeHex, "0007010112");
    EXPECT_EQ(s.hexAll.size(), 3 * 256u);
    EXPECT_EQ(s.hexBasic.substr(0, 12), "55 AA FF FF ");
    EXPECT_EQ(s.hexAlarm.size(), 3 * 65u);
    EXPECT_EQ(s.hexAlarm.substr(3 * 64), "14 ") << "0x60 ends the alarm dump";
    EXPECT_EQ(s.hexScope.size(), 3 * 160u);
    EXPECT_EQ(s.hexScope.substr(0, 6), "14 00 ") << "and starts the scope dump";
}

TEST(FixedBlockCodec, PlainDecodeWritesTheValuesAndLeavesTheCompanions) {
    CWeatherSettings s;
    s.rainFactorHex = s.presUnitBits = s.indHumiMaxTimeHex = s.hexAll = "kept";
    s.historyRecordsRaw = -5;
    DecodeFixedBlock(kSimulatedBlock.data(), s, kWholeBlock, false);
    EXPECT_EQ(s.rainFactorHex, "kept");
    EXPECT_EQ(s.presUnitBits, "kept");
    EXPECT_EQ(s.indHumiMaxTimeHex, "kept");
    EXPECT_EQ(s.hexAll, "kept");
    EXPECT_EQ(s.historyRecordsRaw, -5);
    EXPECT_EQ(s.historyRecords, "1");
    EXPECT_EQ(s.indHumiMaxTime, "2007-01-01 12:00");
    EXPECT_EQ(s.reserved24Hex, "000000000000000000000000");
    EXPECT_EQ(s.timeAlarmHour, "13");
}

TEST(FixedBlockCodec, TheSimulatedBlockHoldsWhatTheSimulationPromises) {
    const CWeatherSettings s = Decoded(kSimulatedBlock);
    EXPECT_EQ(s.initFlag1, "1");
    EXPECT_EQ(s.initFlag2, "1");
    EXPECT_EQ(s.historyCircle, "5");
    EXPECT_EQ(s.indTempUnit, kUnitCelsius);
    EXPECT_EQ(s.outTempUnit, kUnitCelsius);
    EXPECT_EQ(s.rainUnit, "mm");
    EXPECT_EQ(s.presUnit, "hPa");
    EXPECT_EQ(s.windUnit, "km/h");
    EXPECT_EQ(s.timeZone, "+1");
    EXPECT_EQ(s.updateFlag, "0");
    EXPECT_EQ(s.historyRecords, "1");
    EXPECT_EQ(s.historyStackAddr, "256");
    EXPECT_EQ(s.relPres, "10132");
    EXPECT_EQ(s.absPres, "10095");
    for (const std::string* time :
         {&s.indHumiMaxTime,   &s.indHumiMinTime,   &s.outHumiMaxTime,  &s.outHumiMinTime,
          &s.indTempMaxTime,   &s.indTempMinTime,   &s.outTempMaxTime,  &s.outTempMinTime,
          &s.windchillMaxTime, &s.windchillMinTime, &s.dewpointMaxTime, &s.dewpointMinTime,
          &s.absPresMaxTime,   &s.absPresMinTime,   &s.relPresMaxTime,  &s.relPresMinTime,
          &s.windMaxTime,      &s.gustMaxTime,      &s.hourRainMaxTime, &s.dayRainMaxTime,
          &s.weekRainMaxTime,  &s.monthRainMaxTime, &s.totalRainMaxTime})
        EXPECT_EQ(*time, "2007-01-01 12:00");
    EXPECT_EQ(s.outTempLowAlarm, "-100");
    EXPECT_EQ(s.dewpointLowAlarm, "-100");
    EXPECT_EQ(s.monthRainMax, "8629");
    EXPECT_EQ(s.totalRainMax, "45020");
}

TEST(FixedBlockCodec, ARealisticBlockSurvivesARoundTripExceptWhereTheDirectionsDiffer) {
    FixedBlock read = kSimulatedBlock;
    read = WithBytes(read, 0x02, {0xFF, 0xFF, 0x2C, 0x01}); // factors: none and 300
    read = WithBytes(read, 0x11, {0x7A});                   // unused bits 3-4 and inHg too
    read = WithBytes(read, 0x19, {0xA7});                   // reserved byte
    read = WithBytes(read, 0x24, {0x12, 0x34, 0x56});       // reserved bytes
    read = WithBytes(read, 0x66, {0x00, 0x80});             // signed minus zero
    read = WithBytes(read, 0x88, {0x70, 0x11, 0x00, 0x00, 0x21});
    read = WithBytes(read, 0x92, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}); // never set time

    FixedBlock expected = read;
    expected = WithBytes(expected, 0x02, {0x00, 0x00});
    expected[0x11] = 0x22;
    expected = WithBytes(expected, 0x66, {0x00, 0x00});

    EXPECT_EQ(Encoded(Decoded(read, kWholeBlock, false)), expected);
    EXPECT_EQ(Encoded(Decoded(kSimulatedBlock)), kSimulatedBlock);
}

TEST(FixedBlockCodec, RawEncodeDescribesTheBytesWritten) {
    CWeatherSettings s = Decoded(kSimulatedBlock, kWholeBlock, false);
    s.timeZone = "-12";
    s.indTempHighAlarm = "-100";
    s.rainFactor = "70000";
    s.presUnit = "inHg";
    s.historyRecords = "65537";
    FixedBlock block{};
    ASSERT_TRUE(EncodeFixedBlock(s, block.data(), kWholeBlock, true));

    EXPECT_EQ(s.timeZoneHex, "92 00 ");
    EXPECT_EQ(s.timeZoneRaw, -12);
    EXPECT_EQ(s.indTempHighAlarmHex, "64 80 ");
    EXPECT_EQ(s.indTempHighAlarmRaw, -100);
    EXPECT_EQ(s.rainFactorHex, "70 11 ");
    EXPECT_EQ(s.rainFactorRaw, 70000) << "the factors keep the typed integer";
    EXPECT_EQ(s.historyRecordsRaw, 1) << "other integers are what the bytes say";
    EXPECT_EQ(s.presUnitBits, "010");
    EXPECT_EQ(s.hexAll, Decoded(block).hexAll);
    EXPECT_EQ(s.timeZone, "-12") << "encoding leaves the texts alone";
    EXPECT_EQ(s.historyRecords, "65537");

    CWeatherSettings alarmOnly = Decoded(kSimulatedBlock);
    const CWeatherSettings before = alarmOnly;
    alarmOnly.relPres = "1";
    EncodeFixedBlock(alarmOnly, FixedBlock{}.data(), kAlarmArea, true);
    EXPECT_EQ(alarmOnly.relPresHex, "01 00 ");
    EXPECT_EQ(alarmOnly.hexBasic, before.hexBasic) << "other areas keep their companions";
    EXPECT_EQ(alarmOnly.rainFactorHex, before.rainFactorHex);
    EXPECT_EQ(alarmOnly.hexScope, before.hexScope);
    EXPECT_EQ(alarmOnly.indHumiMaxTimeHex, before.indHumiMaxTimeHex);
    EXPECT_EQ(alarmOnly.hexAll, before.hexAll);

    CWeatherSettings plain = Decoded(kSimulatedBlock, kWholeBlock, false);
    plain.hexAll = "kept";
    EncodeFixedBlock(plain, block.data(), kWholeBlock, false);
    EXPECT_EQ(plain.hexAll, "kept");
}

// Every field of an area, seen through the bytes it encodes to, and the area's dump.
struct AreaView {
    FixedBlock bytes;
    std::string dump;
    bool operator==(const AreaView&) const = default;
};

AreaView ViewOf(const CWeatherSettings& s, int part) {
    constexpr std::string S::*kDumps[] = {&S::hexAll, &S::hexBasic, &S::hexAlarm, &S::hexScope};
    return {Encoded(s, part), s.*kDumps[part]};
}

TEST(FixedBlockCodec, DecodingOneAreaLeavesTheOthersAlone) {
    FixedBlock other{};
    other.fill(0x5A);
    const CWeatherSettings before = Decoded(kSimulatedBlock);
    for (int part : {kBasicArea, kAlarmArea, kScopeArea}) {
        CWeatherSettings after = before;
        ASSERT_TRUE(DecodeFixedBlock(other.data(), after, part, true));
        for (int untouched : {kBasicArea, kAlarmArea, kScopeArea}) {
            if (untouched == part)
                continue;
            EXPECT_TRUE(ViewOf(after, untouched) == ViewOf(before, untouched))
                << "part " << part << " changed area " << untouched;
        }
        EXPECT_EQ(after.hexAll, before.hexAll) << "the whole dump belongs to part 0 only";
        EXPECT_FALSE(ViewOf(after, part) == ViewOf(before, part));
    }
}

TEST(FixedBlockCodec, EncodingOneAreaWritesOnlyItsBytes) {
    std::mt19937 random(7);
    const CWeatherSettings s = Decoded(RandomBlock(random));
    const FixedBlock whole = Encoded(s);
    struct Area {
        int part;
        std::size_t first, end;
    };
    for (Area area : {Area{kBasicArea, 0x00, 0x20}, Area{kAlarmArea, 0x20, 0x61},
                      Area{kScopeArea, 0x61, 0x100}}) {
        const FixedBlock block = Encoded(s, area.part);
        for (std::size_t i = 0; i < block.size(); ++i) {
            const bool inside = i >= area.first && i < area.end;
            EXPECT_EQ(block[i], inside ? whole[i] : 0) << "part " << area.part << " byte " << i;
        }
    }
}

TEST(FixedBlockCodec, RefusesUnknownPartsAndMissingBlocks) {
    CWeatherSettings s;
    FixedBlock block = kSimulatedBlock;
    for (int part : {-1, 4}) {
        EXPECT_FALSE(DecodeFixedBlock(block.data(), s, part, true));
        EXPECT_FALSE(EncodeFixedBlock(s, block.data(), part, true));
    }
    EXPECT_EQ(s.historyCircle, "---");
    EXPECT_EQ(s.hexAll, "");
    EXPECT_EQ(block, kSimulatedBlock);
    EXPECT_FALSE(DecodeFixedBlock(nullptr, s, kWholeBlock, true));
    EXPECT_FALSE(EncodeFixedBlock(s, nullptr, kWholeBlock, true));
}

// Whatever the console sends, one read-modify-write settles the bytes: a second one changes
// nothing more, and no byte sequence upsets either direction.
TEST(FixedBlockCodec, AnyBlockSettlesAfterOneRoundTrip) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 2000; ++trial) {
        const FixedBlock block = RandomBlock(random);
        CWeatherSettings settings;
        ASSERT_TRUE(DecodeFixedBlock(block.data(), settings, kWholeBlock, true));
        FixedBlock once{};
        ASSERT_TRUE(EncodeFixedBlock(settings, once.data(), kWholeBlock, true));
        ASSERT_EQ(Encoded(Decoded(once)), once) << "trial " << trial;
    }
}

} // namespace

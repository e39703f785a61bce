#include "station/console/FixedBlockMap.h"

#include "station/values/ByteText.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"

namespace {

using S = CWeatherSettings;
using Text = FixedBlockField::Text;
using Int = FixedBlockField::Int;
using enum FieldEncoding;

constexpr const char* kFlagTexts[] = {"0", "1"};
constexpr const char* kIndexTexts[] = {"0", "1", "2", "3", "4"};
// The unit names are NUL-terminated literals, so their data() serve as C texts.
constexpr const char* kTemperatureUnits[] = {kUnitCelsius.data(), kUnitFahrenheit.data()};
constexpr const char* kRainUnits[] = {kUnitMm.data(), kUnitInch.data()};
constexpr const char* kLightUnits[] = {kUnitLux.data(), kUnitFc.data()};
constexpr const char* kPressureUnits[] = {kUnitHpa.data(), kUnitInHg.data(), kUnitMmHg.data()};
constexpr const char* kWindUnits[] = {kUnitMs.data(), kUnitKmh.data(), kUnitKnot.data(),
                                      kUnitMph.data(), kUnitBft.data()};

constexpr std::span<const char* const> Indices(std::size_t count) {
    return std::span<const char* const>(kIndexTexts).first(count);
}

constexpr FixedBlockField Dump(FixedBlockPart area, std::uint8_t offset, std::uint16_t size,
                               Text dump) {
    return {.area = area, .offset = offset, .size = size, .encoding = kDump, .hex = dump};
}

constexpr FixedBlockField Value(FixedBlockPart area, std::uint8_t offset, std::uint16_t size,
                                FieldEncoding encoding, Text text, Text hex, Int raw,
                                const char* initial = nullptr) {
    return {.area = area,
            .offset = offset,
            .size = size,
            .encoding = encoding,
            .text = text,
            .hex = hex,
            .raw = raw,
            .initial = initial};
}

// A value whose Hex companion dumps `span` bytes from its offset, more than its own.
constexpr FixedBlockField Spanning(FixedBlockPart area, std::uint8_t offset, std::uint16_t size,
                                   FieldEncoding encoding, std::uint8_t span, Text text, Text hex,
                                   Int raw, const char* initial = nullptr) {
    FixedBlockField field = Value(area, offset, size, encoding, text, hex, raw, initial);
    field.span = span;
    return field;
}

constexpr FixedBlockField Time(FixedBlockPart area, std::uint8_t offset, Text text, Text hex) {
    return Value(area, offset, kBcdTimeBytes, kTime, text, hex, nullptr, kNoValueText);
}

constexpr FixedBlockField Flag(FixedBlockPart area, std::uint8_t offset, std::uint8_t marker,
                               Text text, Text hex) {
    FixedBlockField field = Value(area, offset, 1, kFlagByte, text, hex, nullptr);
    field.marker = marker;
    return field;
}

constexpr FixedBlockField Bit(FixedBlockPart area, std::uint8_t offset, std::uint8_t bit,
                              std::span<const char* const> names, Text text, Int raw,
                              const char* initial) {
    return {.area = area,
            .offset = offset,
            .size = 1,
            .encoding = kBit,
            .text = text,
            .raw = raw,
            .bit = bit,
            .names = names,
            .initial = initial};
}

// A yes/no bit: "1" or "0", empty until decoded.
constexpr FixedBlockField FlagBit(FixedBlockPart area, std::uint8_t offset, std::uint8_t bit,
                                  Text text) {
    return Bit(area, offset, bit, kFlagTexts, text, nullptr, nullptr);
}

// A unit of two: reads as the metric one (`names[0]`) until decoded.
constexpr FixedBlockField Unit(FixedBlockPart area, std::uint8_t offset, std::uint8_t bit,
                               std::span<const char* const> names, Text text, Int raw) {
    return Bit(area, offset, bit, names, text, raw, names[0]);
}

constexpr FixedBlockField Choice(FixedBlockPart area, std::uint8_t offset, std::uint8_t firstBit,
                                 std::span<const char* const> names, Text text, Text bits,
                                 const char* initial = nullptr) {
    return {.area = area,
            .offset = offset,
            .size = 1,
            .encoding = kChoice,
            .text = text,
            .hex = bits,
            .bit = firstBit,
            .names = names,
            .initial = initial};
}

constexpr FixedBlockField Pairs(FixedBlockPart area, std::uint8_t offset, std::uint16_t size,
                                Text text, const char* initial = nullptr) {
    return Value(area, offset, size, kHexPairs, text, nullptr, nullptr, initial);
}

// The companions follow one naming rule, so a field's members are named once.
#define WITH_HEX_RAW(name) &S::name, &S::name##Hex, &S::name##Raw
#define TIME_OF(name) &S::name##Time, &S::name##TimeHex

constexpr FixedBlockField kFields[] = {
    Dump(kWholeBlock, 0x00, 256, &S::hexAll),

    Dump(kBasicArea, 0x00, 32, &S::hexBasic),
    Flag(kBasicArea, 0x00, 0x55, &S::initFlag1, &S::initFlag1Hex),
    Flag(kBasicArea, 0x01, 0xAA, &S::initFlag2, &S::initFlag2Hex),
    Value(kBasicArea, 0x02, 2, kFactor, WITH_HEX_RAW(rainFactor)),
    Value(kBasicArea, 0x04, 2, kFactor, WITH_HEX_RAW(windFactor)),
    Time(kBasicArea, 0x06, TIME_OF(lightmeterMax)),
    Time(kBasicArea, 0x0B, TIME_OF(uvMax)),
    Value(kBasicArea, 0x10, 1, kUnsigned, WITH_HEX_RAW(historyCircle), kNoValueText),
    Unit(kBasicArea, 0x11, 0, kTemperatureUnits, &S::indTempUnit, &S::indTempUnitRaw),
    Unit(kBasicArea, 0x11, 1, kTemperatureUnits, &S::outTempUnit, &S::outTempUnitRaw),
    Unit(kBasicArea, 0x11, 2, kRainUnits, &S::rainUnit, &S::rainUnitRaw),
    Choice(kBasicArea, 0x11, 5, kPressureUnits, &S::presUnit, &S::presUnitBits, kUnitHpa.data()),
    Choice(kBasicArea, 0x12, 0, kWindUnits, &S::windUnit, &S::windUnitBits, kUnitMs.data()),
    FlagBit(kBasicArea, 0x13, 0, &S::presFmt),
    FlagBit(kBasicArea, 0x13, 1, &S::windFmt),
    FlagBit(kBasicArea, 0x13, 2, &S::hourFmt),
    FlagBit(kBasicArea, 0x13, 3, &S::dateFmt),
    FlagBit(kBasicArea, 0x13, 4, &S::axisFmt),
    Choice(kBasicArea, 0x13, 5, Indices(3), &S::timeFmt, &S::timeFmtBits),
    Choice(kBasicArea, 0x14, 0, Indices(3), &S::outTempFmt, &S::outTempFmtBits),
    Choice(kBasicArea, 0x14, 3, Indices(5), &S::rainFmt, &S::rainFmtBits),
    FlagBit(kBasicArea, 0x15, 1, &S::timeAlarmFlag),
    FlagBit(kBasicArea, 0x15, 2, &S::windDirAlarmFlag),
    FlagBit(kBasicArea, 0x15, 4, &S::indHumiLowAlarmFlag),
    FlagBit(kBasicArea, 0x15, 5, &S::indHumiHighAlarmFlag),
    FlagBit(kBasicArea, 0x15, 6, &S::outHumiLowAlarmFlag),
    FlagBit(kBasicArea, 0x15, 7, &S::outHumiHighAlarmFlag),
    FlagBit(kBasicArea, 0x16, 0, &S::windAlarmFlag),
    FlagBit(kBasicArea, 0x16, 1, &S::gustAlarmFlag),
    FlagBit(kBasicArea, 0x16, 2, &S::hourRainAlarmFlag),
    FlagBit(kBasicArea, 0x16, 3, &S::dayRainAlarmFlag),
    FlagBit(kBasicArea, 0x16, 4, &S::absPresLowAlarmFlag),
    FlagBit(kBasicArea, 0x16, 5, &S::absPresHighAlarmFlag),
    FlagBit(kBasicArea, 0x16, 6, &S::relPresLowAlarmFlag),
    FlagBit(kBasicArea, 0x16, 7, &S::relPresHighAlarmFlag),
    FlagBit(kBasicArea, 0x17, 0, &S::indTempLowAlarmFlag),
    FlagBit(kBasicArea, 0x17, 1, &S::indTempHighAlarmFlag),
    FlagBit(kBasicArea, 0x17, 2, &S::outTempLowAlarmFlag),
    FlagBit(kBasicArea, 0x17, 3, &S::outTempHighAlarmFlag),
    FlagBit(kBasicArea, 0x17, 4, &S::windchillLowAlarmFlag),
    FlagBit(kBasicArea, 0x17, 5, &S::windchillHighAlarmFlag),
    FlagBit(kBasicArea, 0x17, 6, &S::dewpointLowAlarmFlag),
    FlagBit(kBasicArea, 0x17, 7, &S::dewpointHighAlarmFlag),
    Spanning(kBasicArea, 0x18, 1, kZone, 2, WITH_HEX_RAW(timeZone)),
    Pairs(kBasicArea, 0x19, 1, &S::reserved19Hex),
    Flag(kBasicArea, 0x1A, 0xAA, &S::updateFlag, &S::updateFlagHex),
    Value(kBasicArea, 0x1B, 2, kUnsigned, WITH_HEX_RAW(historyRecords)),
    Unit(kBasicArea, 0x1D, 0, kLightUnits, &S::lightmeterUnit, &S::lightmeterUnitRaw),
    FlagBit(kBasicArea, 0x1D, 1, &S::lightmeterHighAlarmFlag),
    FlagBit(kBasicArea, 0x1D, 2, &S::uvHighAlarmFlag),
    Value(kBasicArea, 0x1E, 2, kUnsigned, &S::historyStackAddr, &S::historyStackAddrHex, nullptr),

    Dump(kAlarmArea, 0x20, 65, &S::hexAlarm),
    Value(kAlarmArea, 0x20, 2, kUnsigned, WITH_HEX_RAW(relPres)),
    Value(kAlarmArea, 0x22, 2, kUnsigned, WITH_HEX_RAW(absPres)),
    Pairs(kAlarmArea, 0x24, 12, &S::reserved24Hex),
    Value(kAlarmArea, 0x30, 1, kUnsigned, WITH_HEX_RAW(indHumiHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x31, 1, kUnsigned, WITH_HEX_RAW(indHumiLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x32, 2, kSigned, WITH_HEX_RAW(indTempHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x34, 2, kSigned, WITH_HEX_RAW(indTempLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x36, 1, kUnsigned, WITH_HEX_RAW(outHumiHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x37, 1, kUnsigned, WITH_HEX_RAW(outHumiLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x38, 2, kSigned, WITH_HEX_RAW(outTempHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x3A, 2, kSigned, WITH_HEX_RAW(outTempLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x3C, 2, kSigned, WITH_HEX_RAW(windchillHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x3E, 2, kSigned, WITH_HEX_RAW(windchillLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x40, 2, kSigned, WITH_HEX_RAW(dewpointHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x42, 2, kSigned, WITH_HEX_RAW(dewpointLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x44, 2, kUnsigned, WITH_HEX_RAW(absPresHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x46, 2, kUnsigned, WITH_HEX_RAW(absPresLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x48, 2, kUnsigned, WITH_HEX_RAW(relPresHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x4A, 2, kUnsigned, WITH_HEX_RAW(relPresLowAlarm), kNoValueText),
    Value(kAlarmArea, 0x4C, 1, kUnsigned, WITH_HEX_RAW(windsLevelAlarm), kNoValueText),
    Value(kAlarmArea, 0x4D, 2, kUnsigned, WITH_HEX_RAW(windAlarm), kNoValueText),
    Value(kAlarmArea, 0x4F, 1, kUnsigned, WITH_HEX_RAW(gustLevelAlarm), kNoValueText),
    Value(kAlarmArea, 0x50, 2, kUnsigned, WITH_HEX_RAW(gustAlarm), kNoValueText),
    Value(kAlarmArea, 0x52, 1, kUnsigned, WITH_HEX_RAW(windDirAlarm), kNoValueText),
    Value(kAlarmArea, 0x53, 2, kUnsigned, WITH_HEX_RAW(hourRainAlarm), kNoValueText),
    Value(kAlarmArea, 0x55, 2, kUnsigned, WITH_HEX_RAW(dayRainAlarm), kNoValueText),
    Pairs(kAlarmArea, 0x57, 1, &S::timeAlarmHour, kNoValueText),
    Pairs(kAlarmArea, 0x58, 1, &S::timeAlarmMinute, kNoValueText),
    Value(kAlarmArea, 0x59, 3, kUnsigned, WITH_HEX_RAW(lightmeterHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x5C, 1, kUnsigned, WITH_HEX_RAW(uvHighAlarm), kNoValueText),
    Value(kAlarmArea, 0x5D, 1, kUnsigned, WITH_HEX_RAW(uvMax), kNoValueText),
    Value(kAlarmArea, 0x5E, 3, kUnsigned, WITH_HEX_RAW(lightmeterMax), kNoValueText),

    Dump(kScopeArea, 0x60, 160, &S::hexScope),
    Pairs(kScopeArea, 0x61, 1, &S::reserved61Hex),
    Value(kScopeArea, 0x62, 1, kUnsigned, WITH_HEX_RAW(indHumiMax), kNoValueText),
    Value(kScopeArea, 0x63, 1, kUnsigned, WITH_HEX_RAW(indHumiMin), kNoValueText),
    Value(kScopeArea, 0x64, 1, kUnsigned, WITH_HEX_RAW(outHumiMax), kNoValueText),
    Value(kScopeArea, 0x65, 1, kUnsigned, WITH_HEX_RAW(outHumiMin), kNoValueText),
    Value(kScopeArea, 0x66, 2, kSigned, WITH_HEX_RAW(indTempMax), kNoValueText),
    Value(kScopeArea, 0x68, 2, kSigned, WITH_HEX_RAW(indTempMin), kNoValueText),
    Value(kScopeArea, 0x6A, 2, kSigned, WITH_HEX_RAW(outTempMax), kNoValueText),
    Value(kScopeArea, 0x6C, 2, kSigned, WITH_HEX_RAW(outTempMin), kNoValueText),
    Value(kScopeArea, 0x6E, 2, kSigned, WITH_HEX_RAW(windchillMax), kNoValueText),
    Value(kScopeArea, 0x70, 2, kSigned, WITH_HEX_RAW(windchillMin), kNoValueText),
    Value(kScopeArea, 0x72, 2, kSigned, WITH_HEX_RAW(dewpointMax), kNoValueText),
    Value(kScopeArea, 0x74, 2, kSigned, WITH_HEX_RAW(dewpointMin), kNoValueText),
    Value(kScopeArea, 0x76, 2, kUnsigned, WITH_HEX_RAW(absPresMax), kNoValueText),
    Value(kScopeArea, 0x78, 2, kUnsigned, WITH_HEX_RAW(absPresMin), kNoValueText),
    Value(kScopeArea, 0x7A, 2, kUnsigned, WITH_HEX_RAW(relPresMax), kNoValueText),
    Value(kScopeArea, 0x7C, 2, kUnsigned, WITH_HEX_RAW(relPresMin), kNoValueText),
    Value(kScopeArea, 0x7E, 2, kUnsigned, WITH_HEX_RAW(windMax), kNoValueText),
    Value(kScopeArea, 0x80, 2, kUnsigned, WITH_HEX_RAW(gustMax), kNoValueText),
    Value(kScopeArea, 0x82, 2, kUnsigned, WITH_HEX_RAW(hourRainMax), kNoValueText),
    Value(kScopeArea, 0x84, 2, kUnsigned, WITH_HEX_RAW(dayRainMax), kNoValueText),
    Value(kScopeArea, 0x86, 2, kUnsigned, WITH_HEX_RAW(weekRainMax), kNoValueText),
    Spanning(kScopeArea, 0x88, 2, kSplitLow, 5, WITH_HEX_RAW(monthRainMax), kNoValueText),
    Spanning(kScopeArea, 0x8A, 2, kSplitHigh, 3, WITH_HEX_RAW(totalRainMax), kNoValueText),
    Time(kScopeArea, 0x8D, TIME_OF(indHumiMax)),
    Time(kScopeArea, 0x92, TIME_OF(indHumiMin)),
    Time(kScopeArea, 0x97, TIME_OF(outHumiMax)),
    Time(kScopeArea, 0x9C, TIME_OF(outHumiMin)),
    Time(kScopeArea, 0xA1, TIME_OF(indTempMax)),
    Time(kScopeArea, 0xA6, TIME_OF(indTempMin)),
    Time(kScopeArea, 0xAB, TIME_OF(outTempMax)),
    Time(kScopeArea, 0xB0, TIME_OF(outTempMin)),
    Time(kScopeArea, 0xB5, TIME_OF(windchillMax)),
    Time(kScopeArea, 0xBA, TIME_OF(windchillMin)),
    Time(kScopeArea, 0xBF, TIME_OF(dewpointMax)),
    Time(kScopeArea, 0xC4, TIME_OF(dewpointMin)),
    Time(kScopeArea, 0xC9, TIME_OF(absPresMax)),
    Time(kScopeArea, 0xCE, TIME_OF(absPresMin)),
    Time(kScopeArea, 0xD3, TIME_OF(relPresMax)),
    Time(kScopeArea, 0xD8, TIME_OF(relPresMin)),
    Time(kScopeArea, 0xDD, TIME_OF(windMax)),
    Time(kScopeArea, 0xE2, TIME_OF(gustMax)),
    Time(kScopeArea, 0xE7, TIME_OF(hourRainMax)),
    Time(kScopeArea, 0xEC, TIME_OF(dayRainMax)),
    Time(kScopeArea, 0xF1, TIME_OF(weekRainMax)),
    Time(kScopeArea, 0xF6, TIME_OF(monthRainMax)),
    Time(kScopeArea, 0xFB, TIME_OF(totalRainMax)),
};

#undef WITH_HEX_RAW
#undef TIME_OF

} // namespace

std::span<const FixedBlockField> FixedBlockFields() {
    return kFields;
}

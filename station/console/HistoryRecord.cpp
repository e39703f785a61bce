#include "station/console/HistoryRecord.h"

#include "station/console/ConsoleWords.h"
#include "station/values/ByteText.h"

#include <climits>
#include <string>

namespace {

using Bytes = HistoryRecordBytes;
using Text = std::string CWeatherRecord::*;
using Int = int CWeatherRecord::*;
using Reading = int (*)(Bytes);

// A field whose every value is a reading.
constexpr int kNoCode = INT_MIN;

// One value field of the record: where its bytes lie, how they read, and which readings count.
struct HistoryField {
    Text text;
    Text hex;
    Int raw;
    std::uint8_t hexOffset; // the field's source bytes, shown as its hex text
    std::uint8_t hexSize;
    Reading value; // what the range applies to and the text shows
    int lowest;    // the range, both ends included
    int highest;
    int noValue = kNoCode;      // the console's code for "no reading"
    bool judged = false;        // a value neither in range nor noValue spoils the verdict
    Reading rawValue = nullptr; // the raw integer where it is not the value
    Text clearedWhenShown = nullptr;
};

template <int at>
int ByteAt(Bytes bytes) {
    return bytes[at];
}

template <int at>
int WordAt(Bytes bytes) {
    return static_cast<int>(ReadLittleEndian(&bytes[at], 2));
}

template <int at>
int TemperatureAt(Bytes bytes) {
    return SignMagnitudeValue(ReadLittleEndian(&bytes[at], 2));
}

// Wind and gust speeds are 12 bits: a byte each, and byte 11 shares out their high nibbles.
int WindSpeed(Bytes bytes) {
    return bytes[9] | (bytes[11] & 0x0F) << 8;
}

int GustSpeed(Bytes bytes) {
    return bytes[10] | (bytes[11] >> 4) << 8;
}

int DirectionIndex(Bytes bytes) {
    return bytes[12] & 0x0F;
}

int Light(Bytes bytes) {
    return static_cast<int>(ReadLittleEndian(&bytes[16], 3));
}

constexpr int kNoHumidity = 0xFF;
constexpr int kNoTemperature = -32767; // the word 0xFFFF
constexpr int kNoWord = 0xFFFF;
constexpr int kNoSpeed = 0xFFF;
constexpr int kNoUv = 0xFF;
constexpr int kFlagsAt = 15;

#define FIELD(name) &CWeatherRecord::name, &CWeatherRecord::name##Hex, &CWeatherRecord::name##Raw

// clang-format off
constexpr HistoryField kFields[] = {
    {FIELD(sampleCircle), 0, 1, ByteAt<0>, 0, 240},
    {FIELD(indHumi), 1, 1, ByteAt<1>, 0, 99, kNoHumidity, true},
    {FIELD(indTemp), 2, 2, TemperatureAt<2>, -400, 800, kNoTemperature, true},
    {FIELD(outHumi), 4, 1, ByteAt<4>, 0, 99, kNoHumidity, true},
    {FIELD(outTemp), 5, 2, TemperatureAt<5>, -400, 800, kNoTemperature, true},
    // A fresh absolute pressure voids the relative one until the metric scaling derives it.
    {FIELD(absPres), 7, 2, WordAt<7>, 8000, 12000, kNoWord, false, nullptr,
     &CWeatherRecord::relPres},
    {FIELD(winds), 9, 3, WindSpeed, 0, 500, kNoSpeed},
    {FIELD(gust), 10, 2, GustSpeed, 0, 500, kNoSpeed},
    // The direction counts only when the whole byte is an index; raw is its low nibble.
    {FIELD(windDir), 12, 1, ByteAt<12>, 0, 15, kNoCode, false, DirectionIndex},
    {FIELD(rain), 13, 2, WordAt<13>, 0, 0xFFFF},
    {FIELD(lightmeter), 16, 3, Light, 0, 4000000, kNoWord},
    {FIELD(uv), 19, 1, ByteAt<19>, 0, 15, kNoUv},
};
// clang-format on

#undef FIELD

// Decodes one field; false when its value spoils the verdict.
bool DecodeField(const HistoryField& field, Bytes bytes, CWeatherRecord& record) {
    const int value = field.value(bytes);
    record.*field.hex = HexDump(&bytes[field.hexOffset], field.hexSize);
    record.*field.raw = field.rawValue ? field.rawValue(bytes) : value;
    const bool inRange = value >= field.lowest && value <= field.highest;
    if (inRange && value != field.noValue) {
        record.*field.text = std::to_string(value);
        if (field.clearedWhenShown)
            (record.*field.clearedWhenShown).clear();
    }
    return !field.judged || inRange || value == field.noValue;
}

} // namespace

bool DecodeHistoryRecord(HistoryRecordBytes bytes, CWeatherRecord& record) {
    bool verdict = true;
    for (const HistoryField& field : kFields)
        verdict = DecodeField(field, bytes, record) && verdict;
    const std::uint8_t flags = bytes[kFlagsAt];
    for (int bit = 0; bit < 8; ++bit)
        (record.*kRecordFlags[bit]).assign(1, (flags >> bit) & 1 ? '1' : '0');
    record.flag_bin = BitString(flags);
    record.hexValue = HexDump(bytes.data(), bytes.size());
    return verdict;
}

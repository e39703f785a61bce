#pragma once

#include "station/console/WeatherSet.h"

#include <cstdint>
#include <span>
#include <string>

// How the console stores a field of its fixed block. Multi-byte values are little-endian.
enum class FieldEncoding : std::uint8_t {
    kUnsigned,  // byte, word or 24-bit, by the field's size
    kFactor,    // word whose 0xFFFF means "no value"
    kSigned,    // sign-magnitude word: bit 15 is the sign, 0x8000 is 0
    kSplitLow,  // 20-bit: a word, bits 16-19 in the low nibble of the shared byte
    kSplitHigh, // 20-bit: a word, bits 16-19 in the high nibble of the shared byte
    kTime,      // five BCD bytes YY MM DD hh mm
    kFlagByte,  // the marker byte means "1", anything else "0"
    kBit,       // one bit: `names[0]` when clear, `names[1]` when set
    kChoice,    // a group of bits from `bit` on, named by its lowest set bit
    kZone,      // bit 7 sign, bits 4-6 tens, bits 0-3 units of hours
    kHexPairs,  // bytes the program carries as hex pairs without reading them
    kDump,      // an area shown as a hex dump; no value of its own
};

// The byte that holds bits 16-19 of the two 20-bit rain maxima.
inline constexpr std::uint8_t kSplitNibbleOffset = 0x8C;

// One field of the fixed block and the members of CWeatherSettings it fills. Decoding,
// encoding and the defaults at construction are all driven by the one table of these.
struct FixedBlockField {
    using Text = std::string CWeatherSettings::*;
    using Int = int CWeatherSettings::*;

    FixedBlockPart area; // kWholeBlock only for the dump of the whole block
    std::uint8_t offset;
    std::uint16_t size; // bytes of the value, or of the dumped area
    FieldEncoding encoding;
    Text text = nullptr;     // value text; the time text of a time
    Text hex = nullptr;      // Hex dump, TimeHex pairs, Bits piece or area dump (raw mode only)
    Int raw = nullptr;       // Raw companion (raw mode only)
    std::uint8_t bit = 0;    // the bit, or the first bit of a group
    std::uint8_t marker = 0; // the "yes" value of a flag byte
    std::uint8_t span = 0;   // bytes of the Hex dump where it covers more than the value
    std::span<const char* const> names{};
    const char* initial = nullptr; // value text of a new object; nullptr leaves it empty
};

// Every field of the block, each byte in exactly one field (plus the area dumps).
std::span<const FixedBlockField> FixedBlockFields();

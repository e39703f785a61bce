#pragma once

#include <cstddef>
#include <cstdint>

// The console stores multi-byte values little-endian; temperatures are sign-magnitude words.

inline constexpr unsigned kSignBit = 0x8000;

// The unsigned value of `size` bytes, lowest byte first.
constexpr unsigned ReadLittleEndian(const std::uint8_t* bytes, std::size_t size) {
    unsigned value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

// A sign-magnitude word: bit 15 the sign (set: negative), bits 0-14 the magnitude. 0xFFFF, the
// console's "no value", reads -32767.
constexpr int SignMagnitudeValue(unsigned word) {
    const int magnitude = static_cast<int>(word & ~kSignBit & 0xFFFF);
    return word & kSignBit ? -magnitude : magnitude;
}

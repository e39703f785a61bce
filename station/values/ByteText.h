#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text forms in which console bytes travel through the program, and back. Each function
// has a buffer form, which writes into the caller's buffer and NUL-terminates it, and a form
// that returns the result. All hex digits are upper case.

// Buffer sizes, NUL included.
inline constexpr std::size_t kBitStringSize = 9;
inline constexpr std::size_t kBcdTimeTextSize = 17;
inline constexpr std::size_t kBcdTimeBytes = 5;
constexpr std::size_t HexDumpSize(std::size_t bytes) {
    return 3 * bytes + 1;
}
constexpr std::size_t HexStringSize(std::size_t bytes) {
    return 2 * bytes + 1;
}

// Eight '0'/'1' characters, bit 0 first: 0x01 gives "10000000".
char* BitString(std::uint8_t byte, char* out);
std::string BitString(std::uint8_t byte);

// "%02X " per byte, the blank also after the last one: 3 characters a byte.
char* HexDump(const std::uint8_t* bytes, std::size_t count, char* out);
std::string HexDump(const std::uint8_t* bytes, std::size_t count);

// Two hex digits per byte, no separators.
char* HexString(const std::uint8_t* bytes, std::size_t count, char* out);
std::string HexString(const std::uint8_t* bytes, std::size_t count);

// Five BCD bytes YY MM DD hh mm as "20YY-MM-DD hh:mm". Each byte shows its two hex digits,
// so a byte that is not BCD shows letters (0xFF gives "FF").
char* BcdTimeToText(const std::uint8_t* time, char* out);
std::string BcdTimeToText(const std::uint8_t* time);

// Pairs of hex digits, high digit first, to at most `capacity` bytes; a last odd character is
// ignored. Only '0'-'9' and 'A'-'F' have a value, any other character counts as 0. Returns
// the number of bytes written.
std::size_t HexTextToBytes(std::string_view text, std::uint8_t* out, std::size_t capacity);
std::vector<std::uint8_t> HexTextToBytes(std::string_view text);

// The inverse of BcdTimeToText without validation: byte i is made of the characters 3i+2 and
// 3i+3, valued like HexTextToBytes, so whatever BcdTimeToText showed comes back unchanged (a
// never-set time of 0xFF bytes stays 0xFF). A text shorter than 16 characters holds no time
// and gives five 0x00 bytes.
void TextToBcdTime(std::string_view text, std::uint8_t* out);
std::array<std::uint8_t, kBcdTimeBytes> TextToBcdTime(std::string_view text);

#include "station/values/ByteText.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

char* PutHexPair(std::uint8_t byte, char* out) {
    *out++ = kHexDigits[byte >> 4];
    *out++ = kHexDigits[byte & 0x0F];
    return out;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

// Fills a string of `size` - 1 characters through the buffer form of a formatter.
template <typename Format>
std::string FormatToString(std::size_t size, Format format) {
    std::string text(size, '\0');
    format(text.data());
    text.pop_back();
    return text;
}

} // namespace

char* BitString(std::uint8_t byte, char* out) {
    for (int bit = 0; bit < 8; ++bit)
        out[bit] = (byte >> bit) & 1 ? '1' : '0';
    out[8] = '\0';
    return out;
}

std::string BitString(std::uint8_t byte) {
    return FormatToString(kBitStringSize, [&](char* out) { BitString(byte, out); });
}

char* HexDump(const std::uint8_t* bytes, std::size_t count, char* out) {
    char* p = out;
    for (std::size_t i = 0; i < count; ++i) {
        p = PutHexPair(bytes[i], p);
        *p++ = ' ';
    }
    *p = '\0';
    return out;
}

std::string HexDump(const std::uint8_t* bytes, std::size_t count) {
    return FormatToString(HexDumpSize(count), [&](char* out) { HexDump(bytes, count, out); });
}

char* HexString(const std::uint8_t* bytes, std::size_t count, char* out) {
    char* p = out;
    for (std::size_t i = 0; i < count; ++i)
        p = PutHexPair(bytes[i], p);
    *p = '\0';
    return out;
}

std::string HexString(const std::uint8_t* bytes, std::size_t count) {
    return FormatToString(HexStringSize(count), [&](char* out) { HexString(bytes, count, out); });
}

char* BcdTimeToText(const std::uint8_t* time, char* out) {
    static constexpr char kSeparators[kBcdTimeBytes] = {'-', '-', ' ', ':', '\0'};
    char* p = out;
    *p++ = '2';
    *p++ = '0';
    for (std::size_t i = 0; i < kBcdTimeBytes; ++i) {
        p = PutHexPair(time[i], p);
        *p++ = kSeparators[i];
    }
    return out;
}

std::string BcdTimeToText(const std::uint8_t* time) {
    return FormatToString(kBcdTimeTextSize, [&](char* out) { BcdTimeToText(time, out); });
}

std::size_t HexTextToBytes(std::string_view text, std::uint8_t* out, std::size_t capacity) {
    std::size_t count = 0;
    for (; count < capacity && 2 * count + 1 < text.size(); ++count)
        out[count] = static_cast<std::uint8_t>(HexDigitValue(text[2 * count]) * 16 +
                                               HexDigitValue(text[2 * count + 1]));
    return count;
}

std::vector<std::uint8_t> HexTextToBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.size() / 2);
    HexTextToBytes(text, bytes.data(), bytes.size());
    return bytes;
}

void TextToBcdTime(std::string_view text, std::uint8_t* out) {
    for (std::size_t i = 0; i < kBcdTimeBytes; ++i) {
        const std::size_t at = 3 * i + 2;
        out[i] = text.size() < kBcdTimeTextSize - 1
                     ? 0
                     : static_cast<std::uint8_t>(HexDigitValue(text[at]) * 16 +
                                                 HexDigitValue(text[at + 1]));
    }
}

std::array<std::uint8_t, kBcdTimeBytes> TextToBcdTime(std::string_view text) {
    std::array<std::uint8_t, kBcdTimeBytes> time{};
    TextToBcdTime(text, time.data());
    return time;
}

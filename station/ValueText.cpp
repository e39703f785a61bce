#include "station/ValueText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

bool IsMissingText(std::string_view text) {
    return text.empty() || text == kNoValueText;
}

bool IsNoValueText(const std::string& text) {
    return IsNoValue(ReadTextNumber(text));
}

bool IsNoValue(const TextNumber& number) {
    return number.missing || number.leading == kNoValueNumber;
}

namespace {

// A plain decimal text ("-12.3", "1013": what the data file holds) read in one pass: the sign,
// the integer part's digits and all digits as one whole number with the count of fraction
// digits. Any other text is left to the C library.
struct PlainDecimal {
    bool negative = false;
    std::size_t integerEnd = 0; // end of the integer part's digits
    std::uint64_t digits = 0;   // every digit, while they fit
    int fractionDigits = 0;
    bool exact = true; // digits held every digit
};

bool ReadPlainDecimal(std::string_view text, PlainDecimal& number) {
    std::size_t at = 0;
    number.negative = !text.empty() && text[0] == '-';
    at = number.negative ? 1 : 0;
    const auto digit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    const auto take = [&](char c) {
        if (number.digits > (UINT64_MAX - 9) / 10)
            number.exact = false;
        else
            number.digits = number.digits * 10 + static_cast<unsigned>(c - '0');
    };
    const std::size_t first = at;
    while (digit(at))
        take(text[at++]);
    if (at == first)
        return false;
    number.integerEnd = at;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = ++at;
        while (digit(at))
            take(text[at++]);
        if (at == fraction)
            return false;
        number.fractionDigits = static_cast<int>(at - fraction);
    }
    return at == text.size();
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

TextNumber ReadTextNumber(std::string_view text) {
    TextNumber number;
    number.missing = IsMissingText(text);
    PlainDecimal plain;
    const bool isPlain = ReadPlainDecimal(text, plain);
    // atoi's reading, saturated at the int range where atoi's result would be undefined.
    long long leading = 0;
    if (isPlain && plain.integerEnd - plain.negative <= 10) {
        for (std::size_t i = plain.negative; i < plain.integerEnd; ++i)
            leading = leading * 10 + (text[i] - '0');
        leading = plain.negative ? -leading : leading;
    } else {
        leading = std::strtoll(std::string(text).c_str(), nullptr, 10);
    }
    number.leading = static_cast<int>(std::clamp<long long>(leading, INT_MIN, INT_MAX));
    // A whole number of at most 53 bits divided by an exact power of ten is one correctly
    // rounded operation, as the C library's reading is.
    if (isPlain && plain.exact && plain.digits < (1ULL << 53) &&
        plain.fractionDigits < static_cast<int>(std::size(kExactPowers))) {
        const double value = static_cast<double>(plain.digits) / kExactPowers[plain.fractionDigits];
        number.value = plain.negative ? -value : value;
    } else {
        number.value = std::atof(std::string(text).c_str());
    }
    return number;
}

int ReadInt(const std::string& text) {
    return ReadTextNumber(text).leading;
}

double ReadDouble(const std::string& text) {
    return ReadTextNumber(text).value;
}

float ReadFloat(const std::string& text) {
    return static_cast<float>(ReadDouble(text));
}

float ReadScaled(const std::string& text, float factor) {
    return static_cast<float>(ReadDouble(text) * factor);
}

std::string PrintDecimals(double value, int decimals) {
    // Wide enough for the largest float with its decimals.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string PrintFloat(double value) {
    return PrintDecimals(value, 6);
}

namespace {

int WholeNumber(double value) {
    const double whole = std::trunc(value);
    if (whole >= INT_MAX)
        return INT_MAX;
    if (whole <= INT_MIN)
        return INT_MIN;
    return std::isnan(whole) ? 0 : static_cast<int>(whole);
}

} // namespace

std::string PrintWhole(double value) {
    return std::to_string(WholeNumber(value));
}

double ReadBackDecimals(float value, int decimals) {
    const double scale = decimals >= 2 ? 100.0 : decimals == 1 ? 10.0 : 1.0;
    return std::nearbyint(static_cast<double>(value) * scale) / scale;
}

double ReadBackWhole(double value) {
    return WholeNumber(value);
}

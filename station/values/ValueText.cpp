#include "station/values/ValueText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <system_error>

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
    std::size_t integerDigits = 0;
    std::uint64_t integer = 0; // the integer part, while its digits fit
    std::uint64_t digits = 0;  // every digit, while they fit
    int fractionDigits = 0;
    bool exact = true; // digits held every digit
};

bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

bool ReadPlainDecimal(std::string_view text, PlainDecimal& number) {
    const char* at = text.data();
    const char* const end = at + text.size();
    number.negative = at != end && *at == '-';
    at += number.negative;
    // Nineteen digits always fit; beyond them each digit is checked.
    constexpr std::uint64_t kLargestBeforeDigit = (UINT64_MAX - 9) / 10;
    const auto take = [&](char c) {
        if (number.digits > kLargestBeforeDigit)
            number.exact = false;
        else
            number.digits = number.digits * 10 + static_cast<unsigned>(c - '0');
    };
    const char* const first = at;
    for (; at != end && IsDigit(*at); ++at)
        take(*at);
    number.integerDigits = static_cast<std::size_t>(at - first);
    number.integer = number.digits;
    if (number.integerDigits == 0)
        return false;
    if (at != end && *at == '.') {
        const char* const fraction = ++at;
        for (; at != end && IsDigit(*at); ++at)
            take(*at);
        if (at == fraction)
            return false;
        number.fractionDigits = static_cast<int>(at - fraction);
    }
    return at == end;
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

TextNumber ReadTextNumber(std::string_view text) {
    TextNumber number;
    PlainDecimal plain;
    const bool isPlain = ReadPlainDecimal(text, plain);
    number.missing = !isPlain && IsMissingText(text);
    // atoi's reading, saturated at the int range where atoi's result would be undefined.
    long long leading = 0;
    if (isPlain && plain.integerDigits <= 10) {
        const auto magnitude = static_cast<long long>(plain.integer);
        leading = plain.negative ? -magnitude : magnitude;
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
    // Most values (every float with a few decimals) times the power of ten are exact in a
    // double; rounding that product to a whole number, ties to even, is then printf's rounding
    // of the value, without printf's cost. Others go to to_chars, which rounds as printf does.
    if (decimals >= 0 && decimals <= 3 && std::isfinite(value)) {
        constexpr double kPowers[] = {1, 10, 100, 1000};
        const double scaled = value * kPowers[decimals];
        if (std::fabs(scaled) < 0x1p53 && std::fma(value, kPowers[decimals], -scaled) == 0) {
            const auto units = static_cast<unsigned long long>(std::fabs(std::nearbyint(scaled)));
            const auto power = static_cast<unsigned long long>(kPowers[decimals]);
            std::string text = std::signbit(value) ? "-" : "";
            text += std::to_string(units / power);
            if (decimals > 0) {
                const std::string fraction = std::to_string(units % power);
                text += '.';
                text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
                text += fraction;
            }
            return text;
        }
    }
    // Wide enough for the largest double with the decimals of any caller. printf's digits, but
    // with a point whatever the C library's locale.
    char buffer[512];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                            std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(buffer, end) : std::string();
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

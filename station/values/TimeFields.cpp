#include "station/values/TimeFields.h"

#include <cstdint>
#include <limits>

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One "%u": white space, an optional sign, at least one digit.
bool ReadUnsigned(std::string_view text, std::size_t& at, int& value) {
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at == text.size() || !IsDigit(text[at])) {
        return false;
    }
    std::uint32_t number = 0;
    while (at < text.size() && IsDigit(text[at])) {
        number = number * 10 + static_cast<std::uint32_t>(text[at] - '0');
        ++at;
    }
    value = static_cast<int>(negative ? 0u - number : number);
    return true;
}

long long FloorDiv(long long a, long long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

int ReadTimeFields(std::string_view text, TimeFields& fields, int wanted) {
    // The separator that stands before each field of "%u-%u-%u %u:%u:%u"; a blank matches any
    // run of white space, also an empty one.
    static constexpr char kSeparatorBefore[6] = {'\0', '-', '-', ' ', ':', ':'};
    int* const slots[6] = {&fields.year, &fields.month,  &fields.day,
                           &fields.hour, &fields.minute, &fields.second};
    std::size_t at = 0;
    int count = 0;
    for (; count < wanted && count < 6; ++count) {
        const char separator = kSeparatorBefore[count];
        if (separator == ' ') {
            while (at < text.size() && IsSpace(text[at])) {
                ++at;
            }
        } else if (separator != '\0') {
            if (at == text.size() || text[at] != separator) {
                break;
            }
            ++at;
        }
        if (!ReadUnsigned(text, at, *slots[count])) {
            break;
        }
    }
    return count;
}

bool ClampTimeFields(int& year, int& month, int& day, int& hour, int& minute, int& second) {
    bool unchanged = true;
    const auto clamp = [&unchanged](int& field, int low, int high, int replacement) {
        if (field < low || field > high) {
            field = replacement;
            unchanged = false;
        }
    };
    clamp(year, 1900, std::numeric_limits<int>::max(), 2000);
    clamp(month, 1, 12, 1);
    clamp(day, 1, 31, 1);
    clamp(hour, 0, 23, 0);
    clamp(minute, 0, 59, 0);
    clamp(second, 0, 59, 0);
    return unchanged;
}

long long DayNumber(long long year, long long month, long long day) {
    // Whole years out of the month first, then the days of a calendar that starts in March,
    // so that the leap day falls at the end of its year.
    year += FloorDiv(month - 1, 12);
    month -= FloorDiv(month - 1, 12) * 12;
    if (month <= 2) {
        --year;
    }
    const long long era = FloorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + (day - 1);
}

#include "controls/chart/ChartDateFormat.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

// Days between 1970-01-01 and the OLE epoch 1899-12-30.
constexpr long long kOleToUnixDays = 25569;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

int CountRun(const std::string& form, std::size_t at) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(form[at])));
    std::size_t end = at;
    while (end < form.size() && std::tolower(static_cast<unsigned char>(form[end])) == letter)
        ++end;
    return static_cast<int>(end - at);
}

void AppendNumber(std::string& text, int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    text += buffer;
}

} // namespace

OleDateParts SplitOleDate(double date) {
    OleDateParts parts{};
    if (!std::isfinite(date) || std::fabs(date) > 3e6)
        date = 0;
    const long long totalSeconds = std::llround(date * 86400.0);
    long long days = totalSeconds / 86400;
    long long seconds = totalSeconds % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    CivilFromDays(days - kOleToUnixDays, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

double JoinOleDate(int year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, month, day) + kOleToUnixDays);
}

std::string FormatOleDate(double date, const std::string& form) {
    struct Letter {
        char letter;
        int OleDateParts::*part;
    };
    static constexpr Letter kLetters[] = {
        {'m', &OleDateParts::month},  {'d', &OleDateParts::day},    {'h', &OleDateParts::hour},
        {'n', &OleDateParts::minute}, {'s', &OleDateParts::second},
    };
    const OleDateParts parts = SplitOleDate(date);
    std::string text;
    for (std::size_t at = 0; at < form.size();) {
        const int run = CountRun(form, at);
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(form[at])));
        const auto found = std::find_if(std::begin(kLetters), std::end(kLetters),
                                        [&](const Letter& l) { return l.letter == letter; });
        if (letter == 'y')
            AppendNumber(text, run >= 4 ? parts.year : parts.year % 100, run >= 4 ? 4 : 2);
        else if (found != std::end(kLetters))
            AppendNumber(text, parts.*found->part, run >= 2 ? 2 : 1);
        else
            text.append(form, at, run);
        at += run;
    }
    return text;
}

#include "station/values/CalendarPeriod.h"

#include "station/values/TimeFields.h"
#include "station/values/TimeText.h"

#include <algorithm>

namespace {

struct PeriodRule {
    std::string_view name;
    std::size_t minLength; // characters the text needs
    int fields;            // fields read, year first
};

// In the order of CalendarPeriod.
constexpr PeriodRule kPeriods[] = {
    {"hour", 13, 4},
    {"day", 10, 3},
    {"week", 10, 3},
    {"month", 7, 2},
};

constexpr long long kHalfHourSeconds = 30 * 60;

// Two fields in one number, each kept whole.
long long Pair(int high, int low) {
    return static_cast<long long>(static_cast<unsigned long long>(static_cast<unsigned>(high))
                                      << 32 |
                                  static_cast<unsigned>(low));
}

// Number of the Sunday-to-Saturday week a date falls in. Counted on calendar days rather than
// on seconds between local midnights, which a daylight-saving change would make an hour short.
long long WeekNumber(const TimeFields& f) {
    const long long daysSinceSunday = DayNumber(f.year, f.month, f.day) + 4; // 1970-01-01: Thu
    return daysSinceSunday / 7 - (daysSinceSunday % 7 < 0);
}

} // namespace

PeriodKeys PeriodsOf(std::string_view time) {
    TimeFields f;
    const int read = ReadTimeFields(time, f, kPeriods[0].fields); // the hour needs the most
    PeriodKeys keys;
    const auto has = [&](CalendarPeriod period) {
        const PeriodRule& rule = kPeriods[static_cast<int>(period)];
        return time.size() >= rule.minLength && read >= rule.fields;
    };
    if (has(CalendarPeriod::kHour))
        keys[0] = PeriodKey{Pair(f.year, f.month), Pair(f.day, f.hour)};
    if (has(CalendarPeriod::kDay))
        keys[1] = PeriodKey{Pair(f.year, f.month), Pair(f.day, 0)};
    if (has(CalendarPeriod::kWeek))
        keys[2] = PeriodKey{WeekNumber(f), 0};
    if (has(CalendarPeriod::kMonth))
        keys[3] = PeriodKey{Pair(f.year, f.month), 0};
    return keys;
}

std::optional<long long> ClockSecondsOf(std::string_view time) {
    TimeFields f;
    if (ReadTimeFields(time, f) < 6)
        return std::nullopt;
    return ((DayNumber(f.year, f.month, f.day) * 24 + f.hour) * 60 + f.minute) * 60 + f.second;
}

void MarkHourAgain(std::optional<PeriodKey>& hour, std::optional<long long> clockSeconds,
                   int intervalMinutes, const std::optional<PeriodKey>& beforeHour,
                   std::optional<long long> beforeSeconds) {
    if (!hour || !beforeHour || hour->high != beforeHour->high || hour->low != beforeHour->low)
        return;
    if (beforeHour->again) {
        hour->again = true;
        return;
    }
    if (!clockSeconds || !beforeSeconds)
        return;
    const long long clockStep = *clockSeconds - *beforeSeconds;
    if (clockStep <= 0 || intervalMinutes * 60LL - clockStep >= kHalfHourSeconds) {
        // The key holds the fields as read: year and month, day and hour.
        TimeFields f;
        f.year = static_cast<int>(hour->high >> 32);
        f.month = static_cast<int>(hour->high & 0xFFFFFFFF);
        f.day = static_cast<int>(hour->low >> 32);
        f.hour = static_cast<int>(hour->low & 0xFFFFFFFF);
        hour->again = IsRepeatedHour(f);
    }
}

std::optional<PeriodKey> PeriodOf(std::string_view time, CalendarPeriod period) {
    return PeriodsOf(time)[static_cast<int>(period)];
}

bool SamePeriod(std::string_view a, std::string_view b, std::string_view period) {
    const auto rule = std::find_if(std::begin(kPeriods), std::end(kPeriods),
                                   [period](const PeriodRule& r) { return r.name == period; });
    if (rule == std::end(kPeriods))
        return false;
    const auto which = static_cast<CalendarPeriod>(rule - std::begin(kPeriods));
    const std::optional<PeriodKey> first = PeriodOf(a, which);
    return first && first == PeriodOf(b, which);
}

#include "station/CalendarPeriod.h"

#include "station/TimeFields.h"

#include <algorithm>

namespace {

struct PeriodRule {
    std::string_view name;
    std::size_t minLength; // characters both texts need
    int fields;            // fields read, year first
    bool byWeek;           // compare the weeks the dates fall in, not the fields themselves
};

constexpr PeriodRule kPeriods[] = {
    {"hour", 13, 4, false},
    {"day", 10, 3, false},
    {"week", 10, 3, true},
    {"month", 7, 2, false},
};

bool LeadingFieldsEqual(const TimeFields& a, const TimeFields& b, int count) {
    const int left[] = {a.year, a.month, a.day, a.hour};
    const int right[] = {b.year, b.month, b.day, b.hour};
    return std::equal(left, left + count, right);
}

// Number of the Sunday-to-Saturday week a date falls in. Counted on calendar days rather than
// on seconds between local midnights, which a daylight-saving change would make an hour short.
long long WeekNumber(const TimeFields& f) {
    const long long daysSinceSunday = DayNumber(f.year, f.month, f.day) + 4; // 1970-01-01: Thu
    return daysSinceSunday / 7 - (daysSinceSunday % 7 < 0);
}

} // namespace

bool SamePeriod(std::string_view a, std::string_view b, std::string_view period) {
    const auto rule = std::find_if(std::begin(kPeriods), std::end(kPeriods),
                                   [period](const PeriodRule& r) { return r.name == period; });
    if (rule == std::end(kPeriods) || a.size() < rule->minLength || b.size() < rule->minLength) {
        return false;
    }
    TimeFields fa;
    TimeFields fb;
    if (ReadTimeFields(a, fa, rule->fields) < rule->fields ||
        ReadTimeFields(b, fb, rule->fields) < rule->fields) {
        return false;
    }
    return rule->byWeek ? WeekNumber(fa) == WeekNumber(fb)
                        : LeadingFieldsEqual(fa, fb, rule->fields);
}

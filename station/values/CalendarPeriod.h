#pragma once

#include <array>
#include <optional>
#include <string_view>

// The calendar periods of the rain sums. Weeks run from Sunday to Saturday.
enum class CalendarPeriod { kHour, kDay, kWeek, kMonth };

// Which period of its kind a record time falls in, as a value that two times share exactly
// when they fall in the same period. The fields are taken as read, without clamping; a text
// too short for the period or whose fields cannot be read falls in no period (nothing), and
// shares none with any other time, not even with itself. Allocates nothing.
struct PeriodKey {
    long long high = 0;
    long long low = 0;
    // An hour key of the second time round of an hour the clock shows twice, when daylight
    // saving ends: the text alone cannot tell, only the chain of records (MarkHourAgain).
    bool again = false;

    friend auto operator<=>(const PeriodKey&, const PeriodKey&) = default;
};
std::optional<PeriodKey> PeriodOf(std::string_view time, CalendarPeriod period);
// PeriodOf of every kind, by CalendarPeriod, reading the time once.
using PeriodKeys = std::array<std::optional<PeriodKey>, 4>;
PeriodKeys PeriodsOf(std::string_view time);

// The seconds of a record time on the wall clock, counted from 1970-01-01 00:00:00 without a
// time zone, so that two times compare as their texts do; nothing when the text holds no whole
// time.
std::optional<long long> ClockSecondsOf(std::string_view time);

// In a chain of record times, each later than the one before it: marks `hour`, the hour key of
// a time at `clockSeconds` on the wall clock, as the second time round of its hour when that
// hour is one the clock shows twice when daylight saving ends, and the time before it
// (`beforeHour`, `beforeSeconds`) lies in the hour's second time round, or in the same hour with
// the clock gone back between them: the time is not later on the clock (records an hour apart
// show the same time), or it is, but by half an hour or more less than `intervalMinutes` (the
// record's own interval since the one before, 0 when unknown) says: records 90 minutes apart may
// show 02:10 and 02:40. Compared as instants, the two times round are two hours; as texts, one.
void MarkHourAgain(std::optional<PeriodKey>& hour, std::optional<long long> clockSeconds,
                   int intervalMinutes, const std::optional<PeriodKey>& beforeHour,
                   std::optional<long long> beforeSeconds);

// Whether two record times fall into the same calendar "hour", "day", "week" or "month" (the
// period name exactly so), by PeriodOf; another period name gives false. Allocates nothing:
// the rain sums ask this for every stored record of a month.
bool SamePeriod(std::string_view a, std::string_view b, std::string_view period);

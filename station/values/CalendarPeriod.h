#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

// The calendar periods of the rain sums. Weeks run from Sunday to Saturday.
enum class CalendarPeriod { kHour, kDay, kWeek, kMonth };

// Which period of its kind a record time falls in, as a value that two times share exactly
// when they fall in the same period. The fields are taken as read, without clamping; a text
// too short for the period or whose fields cannot be read falls in no period (nothing), and
// shares none with any other time, not even with itself. Allocates nothing.
using PeriodKey = std::pair<long long, long long>;
std::optional<PeriodKey> PeriodOf(std::string_view time, CalendarPeriod period);
// PeriodOf of every kind, by CalendarPeriod, reading the time once.
using PeriodKeys = std::array<std::optional<PeriodKey>, 4>;
PeriodKeys PeriodsOf(std::string_view time);

// Whether two record times fall into the same calendar "hour", "day", "week" or "month" (the
// period name exactly so), by PeriodOf; another period name gives false. Allocates nothing:
// the rain sums ask this for every stored record of a month.
bool SamePeriod(std::string_view a, std::string_view b, std::string_view period);

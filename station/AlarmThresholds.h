#pragma once

#include "station/WeatherSet.h"

#include <string_view>

// The console stores an alarm threshold in the display unit it is set to, times 10, or times
// 100 for the units that need two decimals ("inHg", "inch", "fc"). This is the factor that
// takes a stored threshold back to the unit: 0.01 or 0.1.
float AlarmThresholdFactor(std::string_view unit);

// Turns the alarm thresholds of a freshly decoded block, and its current relative and absolute
// pressure (tenths of hPa whatever the unit; shown in hPa, with two decimals when the unit is
// "inHg"), into the decimal texts a user reads, without converting any unit. Beaufort, direction,
// time and UV thresholds are kept as they are. Applying it twice scales twice.
void ScaleAlarmThresholds(CWeatherSettings& settings);

#pragma once

#include "station/console/WeatherSet.h"

#include <string>
#include <string_view>

// The console stores an alarm threshold in the display unit it is set to, times 10, or times
// 100 for the units that need two decimals ("inHg", "inch", "fc"). This is the factor that
// takes a stored threshold back to the unit: 0.01 or 0.1.
float AlarmThresholdFactor(std::string_view unit);
// The way there: 100 for those units, 10 for every other.
float AlarmThresholdScale(std::string_view unit);

// A threshold read in a display unit (the text's leading number) as the console stores it:
// the value times `scale`, in single precision, as a whole number ("%.0f").
std::string StoredThreshold(const std::string& text, float scale);
// A threshold kept as two digits, the alarm time and the UV index: "%02d" of the text's
// leading integer.
std::string TwoDigitThreshold(const std::string& text);

// Whether two blocks store their thresholds in the same display units, so that a threshold
// worked out against one of them may be written into the other.
bool SameThresholdUnits(const CWeatherSettings& a, const CWeatherSettings& b);

// After the user changed display units: `fresh` holds thresholds as stored in the units of
// `old` and the units chosen now; each threshold of a quantity whose unit changed is converted
// into the new unit and stored with its scale. One the formatter cannot read becomes 0.
// Humidity, Beaufort, direction, time and UV thresholds have no unit to change.
void ReexpressAlarmThresholds(CWeatherSettings& fresh, const CWeatherSettings& old);

// Turns the alarm thresholds of a freshly decoded block, and its current relative and absolute
// pressure (tenths of hPa whatever the unit; shown in hPa, with two decimals when the unit is
// "inHg"), into the decimal texts a user reads, without converting any unit. Beaufort, direction,
// time and UV thresholds are kept as they are. Applying it twice scales twice.
void ScaleAlarmThresholds(CWeatherSettings& settings);

#pragma once

#include "station/console/WeatherSet.h"

#include <string_view>

// What the alarm and setup dialogs accept as a threshold or a pressure calibration. The ranges
// are fixed in metric units and expressed in the display units of the settings a dialog has
// just read, once, when it opens.

template <class T>
struct InputLimits {
    T min;
    T max;
};

struct AlarmInputLimits {
    InputLimits<float> indoorTemperature;
    InputLimits<float> outdoorTemperature; // also wind chill and dew point
    InputLimits<float> pressure;           // absolute and relative
    InputLimits<float> windSpeed;          // wind and gust
    InputLimits<float> rain;               // hour and day rain
    InputLimits<float> light;
};

// The limits of every converted threshold in the units of `settings`.
AlarmInputLimits AlarmInputLimitsFor(const CWeatherSettings& settings);

// 500 .. 1100 hPa in `presUnit`: the pressure thresholds, and the setup dialog's calibration,
// which recomputes it whenever the user picks another pressure unit.
InputLimits<float> PressureInputLimits(std::string_view presUnit);

// Thresholds that need no conversion.
inline constexpr InputLimits<int> kAlarmHourLimits{0, 23};
inline constexpr InputLimits<int> kAlarmMinuteLimits{0, 59};
inline constexpr InputLimits<int> kHumidityThresholdLimits{1, 99};
inline constexpr InputLimits<int> kBeaufortThresholdLimits{0, 12};
inline constexpr InputLimits<int> kUvThresholdLimits{1, 15};

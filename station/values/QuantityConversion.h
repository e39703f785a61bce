#pragma once

#include <string_view>

// One converter per quantity: value x factor (0.1 for the console's raw tenths, 1.0 for a
// value already in its unit), rounded to a 32-bit float, then taken from one display unit to
// another. A unit the quantity does not know, on either side, leaves value x factor as it is.

float ConvertTemperature(float value, float factor, std::string_view fromUnit,
                         std::string_view toUnit);
float ConvertPressure(float value, float factor, std::string_view fromUnit,
                      std::string_view toUnit);
// "bft" stands for Beaufort levels: towards it the result is a whole level; from it the value
// is cut to a whole level and taken as that level's top speed.
float ConvertWindSpeed(float value, float factor, std::string_view fromUnit,
                       std::string_view toUnit);
float ConvertRain(float value, float factor, std::string_view fromUnit, std::string_view toUnit);
float ConvertLight(float value, float factor, std::string_view fromUnit, std::string_view toUnit);

// The same from the metric unit of the console and the data file (°C, hPa, m/s, mm, lux).
float ConvertTemperatureFromMetric(float value, float factor, std::string_view toUnit);
float ConvertPressureFromMetric(float value, float factor, std::string_view toUnit);
float ConvertWindSpeedFromMetric(float value, float factor, std::string_view toUnit);
float ConvertRainFromMetric(float value, float factor, std::string_view toUnit);
float ConvertLightFromMetric(float value, float factor, std::string_view toUnit);

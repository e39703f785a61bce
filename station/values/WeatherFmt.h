#pragma once

#include <optional>
#include <string>
#include <string_view>

// Display texts of station values. Each formatter reads a value text, scales it by `factor`
// (0.1 for the console's raw tenths, 1.0 for a value), converts it between two display units
// and prints it with the decimals of the unit shown: one for °C, °F, hPa, mmHg, m/s, km/h,
// knot, mph, mm and lux, two for inHg, inch and fc, whole numbers for Beaufort levels,
// humidity and directions. A text that holds no value gives "---"; which texts hold none
// depends on the quantity, as each declaration says. The ...FromMetric variants take the
// metric unit of the data file as the source unit.

// No value: "", "---", leading integer -32767.
std::string FormatTemperature(const std::string& text, float factor, std::string_view fromUnit,
                              std::string_view toUnit);
std::string FormatTemperatureFromMetric(const std::string& text, float factor,
                                        std::string_view toUnit);

// Humidity has only "%": the leading integer times the factor, cut to a whole number; the
// units are not used. No value: "", "---", a negative integer, 255.
std::string FormatHumidity(const std::string& text, float factor, std::string_view fromUnit,
                           std::string_view toUnit);
std::string FormatHumidityFromMetric(const std::string& text, float factor,
                                     std::string_view toUnit);

// No value: "", "---", leading integer 0 or -32767. To a unit it does not know, the value
// keeps the decimals of its source unit.
std::string FormatPressure(const std::string& text, float factor, std::string_view fromUnit,
                           std::string_view toUnit);
std::string FormatPressureFromMetric(const std::string& text, float factor,
                                     std::string_view toUnit);

// No value: "", "---", leading integer -32767. Other target units than "bft" get one decimal.
std::string FormatWindSpeed(const std::string& text, float factor, std::string_view fromUnit,
                            std::string_view toUnit);
std::string FormatWindSpeedFromMetric(const std::string& text, float factor,
                                      std::string_view toUnit);

// No value: "", "---", leading integer -32767. To a unit it does not know, the value keeps the
// decimals of its source unit.
std::string FormatRain(const std::string& text, float factor, std::string_view fromUnit,
                       std::string_view toUnit);
std::string FormatRainFromMetric(const std::string& text, float factor, std::string_view toUnit);

// No value: "", "---", leading integer 16777215 (the console's 24-bit all-ones). Every target
// unit but "lux" gets two decimals.
std::string FormatLight(const std::string& text, float factor, std::string_view fromUnit,
                        std::string_view toUnit);
// Also no value: a negative integer, or one that scales to more than 400000 lux (the most the
// sensor measures; the product is taken with the 32-bit factor).
std::string FormatLightFromMetric(const std::string& text, float factor, std::string_view toUnit);

// A direction index 0..15 as a whole number and as its name; no value outside 0..15.
std::string FormatDirectionIndex(const std::string& text);
std::string FormatDirectionName(const std::string& text);

// A UV index 0..15, the text as it is; no value outside 0..15.
std::string FormatUv(const std::string& text);

// The ...FromMetric formatters (factor 1.0) and FormatUv split in two, for readers that keep
// numbers rather than texts: what a stored metric text gives the formatter, and the number the
// formatter's text reads back as by atof.
enum class MetricQuantity { kTemperature, kHumidity, kPressure, kWindSpeed, kRain, kLight, kUv };

// The number the formatter takes from `text`; nothing where it shows "---". It is a 32-bit
// float for the quantities with units, the leading integer for humidity, and atof of the text
// for UV (whose formatter gives the text as it is).
std::optional<double> ReadMetricNumber(MetricQuantity quantity, std::string_view text);

// atof of the formatter's text in `toUnit` for a number that ReadMetricNumber gave.
double DisplayNumberFromMetric(MetricQuantity quantity, double number, std::string_view toUnit);

#pragma once

#include <string_view>

// The names of the display units, as the settings hold them and as every unit test compares
// them: whole texts, exactly and case-sensitively. The degree sign is UTF-8 (U+00B0).
// The first name of each group is the metric unit in which the console counts and the data
// file stores.
inline constexpr std::string_view kUnitCelsius = "\xC2\xB0"
                                                 "C";
inline constexpr std::string_view kUnitFahrenheit = "\xC2\xB0"
                                                    "F";

inline constexpr std::string_view kUnitPercent = "%";

inline constexpr std::string_view kUnitHpa = "hPa";
inline constexpr std::string_view kUnitInHg = "inHg";
inline constexpr std::string_view kUnitMmHg = "mmHg";

inline constexpr std::string_view kUnitMs = "m/s";
inline constexpr std::string_view kUnitKmh = "km/h";
inline constexpr std::string_view kUnitKnot = "knot";
inline constexpr std::string_view kUnitMph = "mph";
inline constexpr std::string_view kUnitBft = "bft";

inline constexpr std::string_view kUnitMm = "mm";
inline constexpr std::string_view kUnitInch = "inch";

inline constexpr std::string_view kUnitLux = "lux";
inline constexpr std::string_view kUnitFc = "fc";

#include "station/values/QuantityConversion.h"

#include "station/values/Beaufort.h"
#include "station/values/UnitConversions.h"
#include "station/values/UnitNames.h"

#include <span>

namespace {

struct UnitConversion {
    std::string_view fromUnit;
    std::string_view toUnit;
    float (*convert)(float);
};

float Convert(std::span<const UnitConversion> table, float value, float factor,
              std::string_view fromUnit, std::string_view toUnit) {
    const float v = static_cast<float>(double{value} * factor);
    for (const UnitConversion& row : table) {
        if (row.fromUnit == fromUnit && row.toUnit == toUnit) {
            return row.convert(v);
        }
    }
    return v; // the same unit on both sides, or one the quantity does not know
}

constexpr UnitConversion kTemperatureConversions[] = {
    {kUnitCelsius, kUnitFahrenheit, CelsiusToFahrenheit},
    {kUnitFahrenheit, kUnitCelsius, FahrenheitToCelsius},
};

constexpr UnitConversion kPressureConversions[] = {
    {kUnitHpa, kUnitInHg, HpaToInHg}, {kUnitHpa, kUnitMmHg, HpaToMmHg},
    {kUnitInHg, kUnitHpa, InHgToHpa}, {kUnitInHg, kUnitMmHg, InHgToMmHg},
    {kUnitMmHg, kUnitHpa, MmHgToHpa}, {kUnitMmHg, kUnitInHg, MmHgToInHg},
};

// Beaufort levels travel as floats with whole values. The m/s step between two conversions
// leaves its function, so it is rounded to a float before the second step.
float MsToBeaufort(float speed) {
    return static_cast<float>(BeaufortFromSpeed(speed));
}

float BeaufortToMs(float level) {
    // Only levels 0..12 have a speed; anything else, however large, gives 0.0.
    const bool onScale = level > -1.0f && level < kBeaufortMaxLevel + 1.0f;
    return onScale ? SpeedFromBeaufort(static_cast<int>(level)) : 0.0f;
}

template <float (*toMs)(float)>
float ToBeaufort(float speed) {
    return MsToBeaufort(toMs(speed));
}

template <float (*fromMs)(float)>
float FromBeaufort(float level) {
    return fromMs(BeaufortToMs(level));
}

constexpr UnitConversion kWindSpeedConversions[] = {
    {kUnitMs, kUnitKmh, MsToKmh},
    {kUnitMs, kUnitKnot, MsToKnot},
    {kUnitMs, kUnitMph, MsToMph},
    {kUnitMs, kUnitBft, MsToBeaufort},
    {kUnitKmh, kUnitMs, KmhToMs},
    {kUnitKmh, kUnitKnot, KmhToKnot},
    {kUnitKmh, kUnitMph, KmhToMph},
    {kUnitKmh, kUnitBft, ToBeaufort<KmhToMs>},
    {kUnitKnot, kUnitMs, KnotToMs},
    {kUnitKnot, kUnitKmh, KnotToKmh},
    {kUnitKnot, kUnitMph, KnotToMph},
    {kUnitKnot, kUnitBft, ToBeaufort<KnotToMs>},
    {kUnitMph, kUnitMs, MphToMs},
    {kUnitMph, kUnitKmh, MphToKmh},
    {kUnitMph, kUnitKnot, MphToKnot},
    {kUnitMph, kUnitBft, ToBeaufort<MphToMs>},
    {kUnitBft, kUnitMs, BeaufortToMs},
    {kUnitBft, kUnitKmh, FromBeaufort<MsToKmh>},
    {kUnitBft, kUnitKnot, FromBeaufort<MsToKnot>},
    {kUnitBft, kUnitMph, FromBeaufort<MsToMph>},
};

constexpr UnitConversion kRainConversions[] = {
    {kUnitMm, kUnitInch, MmToInch},
    {kUnitInch, kUnitMm, InchToMm},
};

constexpr UnitConversion kLightConversions[] = {
    {kUnitLux, kUnitFc, LuxToFc},
    {kUnitFc, kUnitLux, FcToLux},
};

} // namespace

float ConvertTemperature(float value, float factor, std::string_view fromUnit,
                         std::string_view toUnit) {
    return Convert(kTemperatureConversions, value, factor, fromUnit, toUnit);
}

float ConvertPressure(float value, float factor, std::string_view fromUnit,
                      std::string_view toUnit) {
    return Convert(kPressureConversions, value, factor, fromUnit, toUnit);
}

float ConvertWindSpeed(float value, float factor, std::string_view fromUnit,
                       std::string_view toUnit) {
    return Convert(kWindSpeedConversions, value, factor, fromUnit, toUnit);
}

float ConvertRain(float value, float factor, std::string_view fromUnit, std::string_view toUnit) {
    return Convert(kRainConversions, value, factor, fromUnit, toUnit);
}

float ConvertLight(float value, float factor, std::string_view fromUnit, std::string_view toUnit) {
    return Convert(kLightConversions, value, factor, fromUnit, toUnit);
}

float ConvertTemperatureFromMetric(float value, float factor, std::string_view toUnit) {
    return ConvertTemperature(value, factor, kUnitCelsius, toUnit);
}

float ConvertPressureFromMetric(float value, float factor, std::string_view toUnit) {
    return ConvertPressure(value, factor, kUnitHpa, toUnit);
}

float ConvertWindSpeedFromMetric(float value, float factor, std::string_view toUnit) {
    return ConvertWindSpeed(value, factor, kUnitMs, toUnit);
}

float ConvertRainFromMetric(float value, float factor, std::string_view toUnit) {
    return ConvertRain(value, factor, kUnitMm, toUnit);
}

float ConvertLightFromMetric(float value, float factor, std::string_view toUnit) {
    return ConvertLight(value, factor, kUnitLux, toUnit);
}

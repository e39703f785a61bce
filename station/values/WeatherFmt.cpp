#include "station/values/WeatherFmt.h"

#include "station/values/QuantityConversion.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "station/values/WindDirection.h"

#include <span>

namespace {

// Decimals that mean "a whole number, cut toward zero" (Beaufort levels).
constexpr int kWhole = 0;
// For a target unit the quantity does not know: the value stays as it was, in its source unit.
constexpr int kAsSourceUnit = -1;

struct UnitDecimals {
    std::string_view unit;
    int decimals;
};

struct QuantityFormat {
    float (*convert)(float value, float factor, std::string_view fromUnit, std::string_view toUnit);
    bool (*hasNoValue)(const TextNumber& number);
    std::span<const UnitDecimals> knownUnits;
    int otherUnitDecimals;
};

const UnitDecimals* FindUnit(std::span<const UnitDecimals> units, std::string_view unit) {
    for (const UnitDecimals& known : units) {
        if (known.unit == unit) {
            return &known;
        }
    }
    return nullptr;
}

int DecimalsShown(const QuantityFormat& quantity, std::string_view fromUnit,
                  std::string_view toUnit) {
    if (const UnitDecimals* target = FindUnit(quantity.knownUnits, toUnit)) {
        return target->decimals;
    }
    if (quantity.otherUnitDecimals != kAsSourceUnit) {
        return quantity.otherUnitDecimals;
    }
    const UnitDecimals* source = FindUnit(quantity.knownUnits, fromUnit);
    return source ? source->decimals : 1;
}

std::string Format(const QuantityFormat& quantity, const std::string& text, float factor,
                   std::string_view fromUnit, std::string_view toUnit) {
    const TextNumber number = ReadTextNumber(text);
    if (quantity.hasNoValue(number)) {
        return kNoValueText;
    }
    const float value =
        quantity.convert(static_cast<float>(number.value), factor, fromUnit, toUnit);
    const int decimals = DecimalsShown(quantity, fromUnit, toUnit);
    return decimals == kWhole ? PrintWhole(value) : PrintDecimals(value, decimals);
}

// What Format's text reads back as, for a value ReadFloat gave.
double ReadBack(const QuantityFormat& quantity, float number, float factor,
                std::string_view fromUnit, std::string_view toUnit) {
    const float value = quantity.convert(number, factor, fromUnit, toUnit);
    const int decimals = DecimalsShown(quantity, fromUnit, toUnit);
    return decimals == kWhole ? ReadBackWhole(value) : ReadBackDecimals(value, decimals);
}

bool HasNoPressure(const TextNumber& number) {
    return IsNoValue(number) || number.leading == 0;
}

// The light sensor's 24-bit "no reading".
constexpr int kNoLight = 0xFFFFFF;

bool HasNoLight(const TextNumber& number) {
    return number.missing || number.leading == kNoLight;
}

constexpr UnitDecimals kTemperatureUnits[] = {{kUnitCelsius, 1}, {kUnitFahrenheit, 1}};
constexpr UnitDecimals kPressureUnits[] = {{kUnitHpa, 1}, {kUnitInHg, 2}, {kUnitMmHg, 1}};
constexpr UnitDecimals kWindSpeedUnits[] = {
    {kUnitMs, 1}, {kUnitKmh, 1}, {kUnitKnot, 1}, {kUnitMph, 1}, {kUnitBft, kWhole}};
constexpr UnitDecimals kRainUnits[] = {{kUnitMm, 1}, {kUnitInch, 2}};
constexpr UnitDecimals kLightUnits[] = {{kUnitLux, 1}, {kUnitFc, 2}};

constexpr QuantityFormat kTemperature{ConvertTemperature, IsNoValue, kTemperatureUnits, 1};
constexpr QuantityFormat kPressure{ConvertPressure, HasNoPressure, kPressureUnits, kAsSourceUnit};
constexpr QuantityFormat kWindSpeed{ConvertWindSpeed, IsNoValue, kWindSpeedUnits, 1};
constexpr QuantityFormat kRain{ConvertRain, IsNoValue, kRainUnits, kAsSourceUnit};
constexpr QuantityFormat kLight{ConvertLight, HasNoLight, kLightUnits, 2};

constexpr int kLightLimitLux = 400000;

// Direction and UV indexes share their range.
constexpr int kIndexMax = 15;

bool HasNoIndex(const TextNumber& number) {
    return number.missing || number.leading < 0 || number.leading > kIndexMax;
}

bool HasNoPercent(const TextNumber& number) {
    return number.missing || number.leading < 0 || number.leading == kNoHumidityNumber;
}

// The metric light text's own no-value cases, before those of FormatLight.
bool HasNoMetricLight(const TextNumber& number, float factor) {
    return number.missing || number.leading < 0 ||
           static_cast<double>(number.leading) * factor > kLightLimitLux;
}

struct MetricFormat {
    const QuantityFormat* format;
    std::string_view metricUnit;
};

// The quantities that Format prints; humidity and UV have formatters of their own.
std::optional<MetricFormat> FindMetricFormat(MetricQuantity quantity) {
    switch (quantity) {
    case MetricQuantity::kTemperature:
        return MetricFormat{&kTemperature, kUnitCelsius};
    case MetricQuantity::kPressure:
        return MetricFormat{&kPressure, kUnitHpa};
    case MetricQuantity::kWindSpeed:
        return MetricFormat{&kWindSpeed, kUnitMs};
    case MetricQuantity::kRain:
        return MetricFormat{&kRain, kUnitMm};
    case MetricQuantity::kLight:
        return MetricFormat{&kLight, kUnitLux};
    case MetricQuantity::kHumidity:
    case MetricQuantity::kUv:
        break;
    }
    return std::nullopt;
}

} // namespace

std::string FormatTemperature(const std::string& text, float factor, std::string_view fromUnit,
                              std::string_view toUnit) {
    return Format(kTemperature, text, factor, fromUnit, toUnit);
}

std::string FormatTemperatureFromMetric(const std::string& text, float factor,
                                        std::string_view toUnit) {
    return FormatTemperature(text, factor, kUnitCelsius, toUnit);
}

std::string FormatHumidity(const std::string& text, float factor, std::string_view,
                           std::string_view) {
    const TextNumber number = ReadTextNumber(text);
    return HasNoPercent(number) ? kNoValueText
                                : PrintWhole(static_cast<double>(number.leading) * factor);
}

std::string FormatHumidityFromMetric(const std::string& text, float factor,
                                     std::string_view toUnit) {
    return FormatHumidity(text, factor, kUnitPercent, toUnit);
}

std::string FormatPressure(const std::string& text, float factor, std::string_view fromUnit,
                           std::string_view toUnit) {
    return Format(kPressure, text, factor, fromUnit, toUnit);
}

std::string FormatPressureFromMetric(const std::string& text, float factor,
                                     std::string_view toUnit) {
    return FormatPressure(text, factor, kUnitHpa, toUnit);
}

std::string FormatWindSpeed(const std::string& text, float factor, std::string_view fromUnit,
                            std::string_view toUnit) {
    return Format(kWindSpeed, text, factor, fromUnit, toUnit);
}

std::string FormatWindSpeedFromMetric(const std::string& text, float factor,
                                      std::string_view toUnit) {
    return FormatWindSpeed(text, factor, kUnitMs, toUnit);
}

std::string FormatRain(const std::string& text, float factor, std::string_view fromUnit,
                       std::string_view toUnit) {
    return Format(kRain, text, factor, fromUnit, toUnit);
}

std::string FormatRainFromMetric(const std::string& text, float factor, std::string_view toUnit) {
    return FormatRain(text, factor, kUnitMm, toUnit);
}

std::string FormatLight(const std::string& text, float factor, std::string_view fromUnit,
                        std::string_view toUnit) {
    return Format(kLight, text, factor, fromUnit, toUnit);
}

std::string FormatLightFromMetric(const std::string& text, float factor, std::string_view toUnit) {
    return HasNoMetricLight(ReadTextNumber(text), factor)
               ? kNoValueText
               : FormatLight(text, factor, kUnitLux, toUnit);
}

std::string FormatDirectionIndex(const std::string& text) {
    const TextNumber number = ReadTextNumber(text);
    return HasNoIndex(number) ? kNoValueText : std::to_string(number.leading);
}

std::string FormatDirectionName(const std::string& text) {
    const TextNumber number = ReadTextNumber(text);
    return HasNoIndex(number) ? kNoValueText : WindDirectionName(number.leading);
}

std::string FormatUv(const std::string& text) {
    return HasNoIndex(ReadTextNumber(text)) ? kNoValueText : text;
}

std::optional<double> ReadMetricNumber(MetricQuantity quantity, std::string_view text) {
    const TextNumber number = ReadTextNumber(text);
    bool none = false;
    switch (quantity) {
    case MetricQuantity::kHumidity:
        return HasNoPercent(number) ? std::nullopt : std::optional<double>(number.leading);
    case MetricQuantity::kUv:
        return HasNoIndex(number) ? std::nullopt : std::optional<double>(number.value);
    case MetricQuantity::kLight:
        none = HasNoMetricLight(number, 1.0f);
        break;
    default:
        break;
    }
    if (none || FindMetricFormat(quantity)->format->hasNoValue(number)) {
        return std::nullopt;
    }
    return static_cast<float>(number.value);
}

double DisplayNumberFromMetric(MetricQuantity quantity, double number, std::string_view toUnit) {
    if (quantity == MetricQuantity::kHumidity) {
        return ReadBackWhole(number * 1.0f);
    }
    if (quantity == MetricQuantity::kUv) {
        return number;
    }
    const MetricFormat metric = *FindMetricFormat(quantity);
    return ReadBack(*metric.format, static_cast<float>(number), 1.0f, metric.metricUnit, toUnit);
}

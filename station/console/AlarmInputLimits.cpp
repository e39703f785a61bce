#include "station/console/AlarmInputLimits.h"

#include "station/values/QuantityConversion.h"

namespace {

using FromMetric = float (*)(float value, float factor, std::string_view toUnit);

InputLimits<float> MetricRangeIn(FromMetric convert, float metricMin, float metricMax,
                                 std::string_view unit) {
    return {convert(metricMin, 1.0f, unit), convert(metricMax, 1.0f, unit)};
}

} // namespace

InputLimits<float> PressureInputLimits(std::string_view presUnit) {
    return MetricRangeIn(ConvertPressureFromMetric, 500.0f, 1100.0f, presUnit);
}

AlarmInputLimits AlarmInputLimitsFor(const CWeatherSettings& settings) {
    return {
        .indoorTemperature =
            MetricRangeIn(ConvertTemperatureFromMetric, -40.0f, 60.0f, settings.indTempUnit),
        .outdoorTemperature =
            MetricRangeIn(ConvertTemperatureFromMetric, -40.0f, 60.0f, settings.outTempUnit),
        .pressure = PressureInputLimits(settings.presUnit),
        .windSpeed = MetricRangeIn(ConvertWindSpeedFromMetric, 0.0f, 50.0f, settings.windUnit),
        .rain = MetricRangeIn(ConvertRainFromMetric, 0.0f, 1000.0f, settings.rainUnit),
        .light = MetricRangeIn(ConvertLightFromMetric, 0.0f, 400000.0f, settings.lightmeterUnit),
    };
}

#include "station/console/MinMaxUnits.h"

#include "station/values/FieldFormatting.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "station/values/WeatherFmt.h"

namespace {

using S = CWeatherSettings;

// The time the console keeps for a min/max value it has never set.
constexpr const char* kNeverSetTime = "2000-00-00 00:00";

constexpr std::string S::*kMinMaxTimes[] = {
    &S::indHumiMaxTime,   &S::indHumiMinTime,   &S::outHumiMaxTime,   &S::outHumiMinTime,
    &S::indTempMaxTime,   &S::indTempMinTime,   &S::outTempMaxTime,   &S::outTempMinTime,
    &S::windchillMaxTime, &S::windchillMinTime, &S::dewpointMaxTime,  &S::dewpointMinTime,
    &S::absPresMaxTime,   &S::absPresMinTime,   &S::relPresMaxTime,   &S::relPresMinTime,
    &S::windMaxTime,      &S::gustMaxTime,      &S::hourRainMaxTime,  &S::dayRainMaxTime,
    &S::weekRainMaxTime,  &S::monthRainMaxTime, &S::totalRainMaxTime, &S::lightmeterMaxTime,
    &S::uvMaxTime,
};

} // namespace

void ConvertMinMaxToUserUnits(CWeatherSettings& settings) {
    constexpr float kRawTenths = 0.1f;
    const FieldFromMetric<S> conversions[] = {
        {&S::indHumiMax, FormatHumidityFromMetric, 1.0f, kUnitPercent},
        {&S::indHumiMin, FormatHumidityFromMetric, 1.0f, kUnitPercent},
        {&S::outHumiMax, FormatHumidityFromMetric, 1.0f, kUnitPercent},
        {&S::outHumiMin, FormatHumidityFromMetric, 1.0f, kUnitPercent},
        {&S::indTempMax, FormatTemperatureFromMetric, kRawTenths, settings.indTempUnit},
        {&S::indTempMin, FormatTemperatureFromMetric, kRawTenths, settings.indTempUnit},
        {&S::outTempMax, FormatTemperatureFromMetric, kRawTenths, settings.outTempUnit},
        {&S::outTempMin, FormatTemperatureFromMetric, kRawTenths, settings.outTempUnit},
        {&S::windchillMax, FormatTemperatureFromMetric, kRawTenths, settings.outTempUnit},
        {&S::windchillMin, FormatTemperatureFromMetric, kRawTenths, settings.outTempUnit},
        {&S::dewpointMax, FormatTemperatureFromMetric, kRawTenths, settings.outTempUnit},
        {&S::dewpointMin, FormatTemperatureFromMetric, kRawTenths, settings.outTempUnit},
        {&S::absPresMax, FormatPressureFromMetric, kRawTenths, settings.presUnit},
        {&S::absPresMin, FormatPressureFromMetric, kRawTenths, settings.presUnit},
        {&S::relPresMax, FormatPressureFromMetric, kRawTenths, settings.presUnit},
        {&S::relPresMin, FormatPressureFromMetric, kRawTenths, settings.presUnit},
        {&S::windMax, FormatWindSpeedFromMetric, kRawTenths, settings.windUnit},
        {&S::gustMax, FormatWindSpeedFromMetric, kRawTenths, settings.windUnit},
        {&S::hourRainMax, FormatRainFromMetric, kRawTenths, settings.rainUnit},
        {&S::dayRainMax, FormatRainFromMetric, kRawTenths, settings.rainUnit},
        {&S::weekRainMax, FormatRainFromMetric, kRawTenths, settings.rainUnit},
        {&S::monthRainMax, FormatRainFromMetric, kRawTenths, settings.rainUnit},
        {&S::totalRainMax, FormatRainFromMetric, kRawTenths, settings.rainUnit},
        {&S::lightmeterMax, FormatLightFromMetric, kRawTenths, settings.lightmeterUnit},
    };
    ConvertFieldsFromMetric(settings, conversions);
    settings.uvMax = FormatUv(settings.uvMax);

    for (std::string S::*time : kMinMaxTimes) {
        if (settings.*time == kNeverSetTime) {
            settings.*time = kNoValueText;
        }
    }
}

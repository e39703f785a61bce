#include "station/console/RecordScaling.h"

#include "station/console/RecordDerivedValues.h"
#include "station/values/FieldFormatting.h"
#include "station/values/UnitNames.h"
#include "station/values/WeatherFmt.h"

namespace {

constexpr float kRawTenths = 0.1f;
constexpr float kValue = 1.0f;

using R = CWeatherRecord;

constexpr FieldScaling<R> kMetricScalings[] = {
    {&R::indTemp, FormatTemperature, kRawTenths, kUnitCelsius},
    {&R::outTemp, FormatTemperature, kRawTenths, kUnitCelsius},
    {&R::absPres, FormatPressure, kRawTenths, kUnitHpa},
    {&R::winds, FormatWindSpeed, kRawTenths, kUnitMs},
    {&R::gust, FormatWindSpeed, kRawTenths, kUnitMs},
    {&R::lightmeter, FormatLight, kRawTenths, kUnitLux},
    {&R::indHumi, FormatHumidity, kValue, kUnitPercent},
    {&R::outHumi, FormatHumidity, kValue, kUnitPercent},
    // The derived values are already values.
    {&R::relPres, FormatPressure, kValue, kUnitHpa},
    {&R::dewPoint, FormatTemperature, kValue, kUnitCelsius},
    {&R::windChill, FormatTemperature, kValue, kUnitCelsius},
    {&R::totalRain, FormatRain, kValue, kUnitMm},
    {&R::hourRain, FormatRain, kValue, kUnitMm},
    {&R::dayRain, FormatRain, kValue, kUnitMm},
    {&R::weekRain, FormatRain, kValue, kUnitMm},
    {&R::monthRain, FormatRain, kValue, kUnitMm},
};

} // namespace

void ScaleRecordToMetric(CWeatherRecord& record, const CWeatherSettings& settings) {
    if (record.flag7 == "1") {
        record.totalRain.clear();
    }
    DeriveRelativePressure(record, kRawTenths, settings);
    DeriveDewPoint(record, kRawTenths);
    DeriveWindChill(record, kRawTenths);
    DeriveRainMm(record);

    // These read texts that are rewritten below, so they go first.
    record.windsLevel = FormatWindSpeed(record.winds, kRawTenths, kUnitMs, kUnitBft);
    record.gustLevel = FormatWindSpeed(record.gust, kRawTenths, kUnitMs, kUnitBft);
    record.windDirDesc = FormatDirectionName(record.windDir);

    ScaleFields(record, kMetricScalings);
    record.windDir = FormatDirectionIndex(record.windDir);
    record.uv = FormatUv(record.uv);
}

void ConvertRecordToUserUnits(CWeatherRecord& record, const CWeatherSettings& settings) {
    const FieldFromMetric<R> conversions[] = {
        {&R::indTemp, FormatTemperatureFromMetric, kValue, settings.indTempUnit},
        {&R::outTemp, FormatTemperatureFromMetric, kValue, settings.outTempUnit},
        {&R::dewPoint, FormatTemperatureFromMetric, kValue, settings.outTempUnit},
        {&R::windChill, FormatTemperatureFromMetric, kValue, settings.outTempUnit},
        {&R::indHumi, FormatHumidityFromMetric, kValue, kUnitPercent},
        {&R::outHumi, FormatHumidityFromMetric, kValue, kUnitPercent},
        {&R::absPres, FormatPressureFromMetric, kValue, settings.presUnit},
        {&R::relPres, FormatPressureFromMetric, kValue, settings.presUnit},
        {&R::winds, FormatWindSpeedFromMetric, kValue, settings.windUnit},
        {&R::gust, FormatWindSpeedFromMetric, kValue, settings.windUnit},
        {&R::totalRain, FormatRainFromMetric, kValue, settings.rainUnit},
        {&R::hourRain, FormatRainFromMetric, kValue, settings.rainUnit},
        {&R::dayRain, FormatRainFromMetric, kValue, settings.rainUnit},
        {&R::weekRain, FormatRainFromMetric, kValue, settings.rainUnit},
        {&R::monthRain, FormatRainFromMetric, kValue, settings.rainUnit},
        {&R::lightmeter, FormatLightFromMetric, kValue, settings.lightmeterUnit},
    };
    // The name reads the index text, which is rewritten below.
    record.windDirDesc = FormatDirectionName(record.windDir);
    ConvertFieldsFromMetric(record, conversions);
    record.windDir = FormatDirectionIndex(record.windDir);
    record.uv = FormatUv(record.uv);
}

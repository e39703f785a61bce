#include "station/console/AlarmThresholds.h"

#include "station/values/FieldFormatting.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "station/values/WeatherFmt.h"

#include <cstdio>
#include <initializer_list>

float AlarmThresholdFactor(std::string_view unit) {
    const bool hundredths = unit == kUnitInHg || unit == kUnitInch || unit == kUnitFc;
    return hundredths ? 0.01f : 0.1f;
}

float AlarmThresholdScale(std::string_view unit) {
    return AlarmThresholdFactor(unit) == 0.01f ? 100.0f : 10.0f;
}

std::string StoredThreshold(const std::string& text, float scale) {
    const float stored = ReadFloat(text) * scale;
    return PrintDecimals(stored, 0);
}

std::string TwoDigitThreshold(const std::string& text) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", ReadInt(text));
    return digits;
}

namespace {

using S = CWeatherSettings;

// The thresholds that follow each display unit.
struct UnitThresholds {
    std::string S::*unit;
    UnitFormatter format;
    std::initializer_list<std::string S::*> thresholds;
};

const UnitThresholds kUnitThresholds[] = {
    {&S::indTempUnit, FormatTemperature, {&S::indTempHighAlarm, &S::indTempLowAlarm}},
    {&S::outTempUnit,
     FormatTemperature,
     {&S::outTempHighAlarm, &S::outTempLowAlarm, &S::windchillHighAlarm, &S::windchillLowAlarm,
      &S::dewpointHighAlarm, &S::dewpointLowAlarm}},
    {&S::lightmeterUnit, FormatLight, {&S::lightmeterHighAlarm}},
    {&S::presUnit,
     FormatPressure,
     {&S::absPresHighAlarm, &S::absPresLowAlarm, &S::relPresHighAlarm, &S::relPresLowAlarm}},
    {&S::windUnit, FormatWindSpeed, {&S::windAlarm, &S::gustAlarm}},
    {&S::rainUnit, FormatRain, {&S::hourRainAlarm, &S::dayRainAlarm}},
};

} // namespace

bool SameThresholdUnits(const CWeatherSettings& a, const CWeatherSettings& b) {
    for (const UnitThresholds& row : kUnitThresholds) {
        if (a.*row.unit != b.*row.unit)
            return false;
    }
    return true;
}

void ReexpressAlarmThresholds(CWeatherSettings& fresh, const CWeatherSettings& old) {
    for (const UnitThresholds& row : kUnitThresholds) {
        const std::string& from = old.*row.unit;
        const std::string& to = fresh.*row.unit;
        if (from == to)
            continue;
        for (std::string S::*threshold : row.thresholds) {
            const std::string value =
                row.format(fresh.*threshold, AlarmThresholdFactor(from), from, to);
            fresh.*threshold = StoredThreshold(value, AlarmThresholdScale(to));
        }
    }
}

void ScaleAlarmThresholds(CWeatherSettings& settings) {
    using S = CWeatherSettings;
    const std::string_view indTemp = settings.indTempUnit;
    const std::string_view outTemp = settings.outTempUnit;
    const std::string_view pres = settings.presUnit;
    const std::string_view wind = settings.windUnit;
    const std::string_view rain = settings.rainUnit;
    const std::string_view light = settings.lightmeterUnit;
    // A stored threshold is scaled back into the unit it was stored in.
    const auto threshold = [](std::string S::*field, UnitFormatter format, std::string_view unit) {
        return FieldScaling<S>{field, format, AlarmThresholdFactor(unit), unit};
    };
    const FieldScaling<S> scalings[] = {
        // The current pressures are tenths of hPa in every unit.
        {&S::relPres, FormatPressure, 0.1f, pres},
        {&S::absPres, FormatPressure, 0.1f, pres},
        {&S::indHumiHighAlarm, FormatHumidity, 1.0f, kUnitPercent},
        {&S::indHumiLowAlarm, FormatHumidity, 1.0f, kUnitPercent},
        threshold(&S::indTempHighAlarm, FormatTemperature, indTemp),
        threshold(&S::indTempLowAlarm, FormatTemperature, indTemp),
        {&S::outHumiHighAlarm, FormatHumidity, 1.0f, kUnitPercent},
        {&S::outHumiLowAlarm, FormatHumidity, 1.0f, kUnitPercent},
        threshold(&S::outTempHighAlarm, FormatTemperature, outTemp),
        threshold(&S::outTempLowAlarm, FormatTemperature, outTemp),
        threshold(&S::windchillHighAlarm, FormatTemperature, outTemp),
        threshold(&S::windchillLowAlarm, FormatTemperature, outTemp),
        threshold(&S::dewpointHighAlarm, FormatTemperature, outTemp),
        threshold(&S::dewpointLowAlarm, FormatTemperature, outTemp),
        threshold(&S::absPresHighAlarm, FormatPressure, pres),
        threshold(&S::absPresLowAlarm, FormatPressure, pres),
        threshold(&S::relPresHighAlarm, FormatPressure, pres),
        threshold(&S::relPresLowAlarm, FormatPressure, pres),
        threshold(&S::windAlarm, FormatWindSpeed, wind),
        threshold(&S::gustAlarm, FormatWindSpeed, wind),
        threshold(&S::hourRainAlarm, FormatRain, rain),
        threshold(&S::dayRainAlarm, FormatRain, rain),
        threshold(&S::lightmeterHighAlarm, FormatLight, light),
    };
    ScaleFields(settings, scalings);
}

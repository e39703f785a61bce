#include "station/AlarmThresholds.h"

#include "station/FieldFormatting.h"
#include "station/UnitNames.h"
#include "station/WeatherFmt.h"

float AlarmThresholdFactor(std::string_view unit) {
    const bool hundredths = unit == kUnitInHg || unit == kUnitInch || unit == kUnitFc;
    return hundredths ? 0.01f : 0.1f;
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

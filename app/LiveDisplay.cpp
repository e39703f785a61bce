#include "app/LiveDisplay.h"

#include "resources/ResourceIds.h"
#include "station/console/AlarmThresholds.h"

#include <cstdlib>

namespace {

using RecordText = std::string CWeatherRecord::*;
using SettingsText = std::string CWeatherSettings::*;

// A unit is a fixed name, a unit field of the settings, or nothing at all.
struct Unit {
    const char* name = nullptr;
    SettingsText field = nullptr;
};

constexpr Unit kPercent{"%"};
constexpr Unit kBeaufort{"bft"};
constexpr Unit kNoUnit{};
constexpr Unit kIndoorTemperature{nullptr, &CWeatherSettings::indTempUnit};
constexpr Unit kOutdoorTemperature{nullptr, &CWeatherSettings::outTempUnit};
constexpr Unit kPressure{nullptr, &CWeatherSettings::presUnit};
constexpr Unit kWindSpeed{nullptr, &CWeatherSettings::windUnit};
constexpr Unit kRain{nullptr, &CWeatherSettings::rainUnit};
constexpr Unit kLight{nullptr, &CWeatherSettings::lightmeterUnit};
constexpr Unit kUv{nullptr, &CWeatherSettings::uvUnit};

std::string WithUnit(const std::string& text, Unit unit, const CWeatherSettings& settings) {
    if (unit.name)
        return text + " " + unit.name;
    if (unit.field)
        return text + " " + settings.*unit.field;
    return text;
}

struct LiveItem {
    int item;
    RecordText value;
    Unit unit;
};

constexpr LiveItem kLiveItems[] = {
    {IDC_INDOOR_HUMIDITY, &CWeatherRecord::indHumi, kPercent},
    {IDC_INDOOR_TEMPERATURE, &CWeatherRecord::indTemp, kIndoorTemperature},
    {IDC_OUTDOOR_HUMIDITY, &CWeatherRecord::outHumi, kPercent},
    {IDC_OUTDOOR_TEMPERATURE, &CWeatherRecord::outTemp, kOutdoorTemperature},
    {IDC_ABSOLUTE_PRESSURE, &CWeatherRecord::absPres, kPressure},
    {IDC_WIND_SPEED, &CWeatherRecord::winds, kWindSpeed},
    {IDC_GUST_SPEED, &CWeatherRecord::gust, kWindSpeed},
    {IDC_WIND_DIRECTION, &CWeatherRecord::windDirDesc, kNoUnit},
    {IDC_RAIN_TOTAL, &CWeatherRecord::totalRain, kRain},
    {IDC_RELATIVE_PRESSURE, &CWeatherRecord::relPres, kPressure},
    {IDC_DEWPOINT, &CWeatherRecord::dewPoint, kOutdoorTemperature},
    {IDC_WINDCHILL, &CWeatherRecord::windChill, kOutdoorTemperature},
    {IDC_RAIN_HOUR, &CWeatherRecord::hourRain, kRain},
    {IDC_RAIN_DAY, &CWeatherRecord::dayRain, kRain},
    {IDC_RAIN_WEEK, &CWeatherRecord::weekRain, kRain},
    {IDC_RAIN_MONTH, &CWeatherRecord::monthRain, kRain},
    {IDC_WIND_LEVEL, &CWeatherRecord::windsLevel, kBeaufort},
    {IDC_GUST_LEVEL, &CWeatherRecord::gustLevel, kBeaufort},
    {IDC_LIGHT, &CWeatherRecord::lightmeter, kLight},
    {IDC_UV, &CWeatherRecord::uv, kUv},
};

struct MinMaxItem {
    int item;
    SettingsText value;
    Unit unit;
};

constexpr MinMaxItem kMinMaxItems[] = {
    {IDC_INDOOR_HUMIDITY_MAX, &CWeatherSettings::indHumiMax, kPercent},
    {IDC_INDOOR_HUMIDITY_MIN, &CWeatherSettings::indHumiMin, kPercent},
    {IDC_OUTDOOR_HUMIDITY_MAX, &CWeatherSettings::outHumiMax, kPercent},
    {IDC_OUTDOOR_HUMIDITY_MIN, &CWeatherSettings::outHumiMin, kPercent},
    {IDC_INDOOR_TEMPERATURE_MAX, &CWeatherSettings::indTempMax, kIndoorTemperature},
    {IDC_INDOOR_TEMPERATURE_MIN, &CWeatherSettings::indTempMin, kIndoorTemperature},
    {IDC_OUTDOOR_TEMPERATURE_MAX, &CWeatherSettings::outTempMax, kOutdoorTemperature},
    {IDC_OUTDOOR_TEMPERATURE_MIN, &CWeatherSettings::outTempMin, kOutdoorTemperature},
    {IDC_WINDCHILL_MAX, &CWeatherSettings::windchillMax, kOutdoorTemperature},
    {IDC_WINDCHILL_MIN, &CWeatherSettings::windchillMin, kOutdoorTemperature},
    {IDC_DEWPOINT_MAX, &CWeatherSettings::dewpointMax, kOutdoorTemperature},
    {IDC_DEWPOINT_MIN, &CWeatherSettings::dewpointMin, kOutdoorTemperature},
    {IDC_ABSOLUTE_PRESSURE_MAX, &CWeatherSettings::absPresMax, kPressure},
    {IDC_ABSOLUTE_PRESSURE_MIN, &CWeatherSettings::absPresMin, kPressure},
    {IDC_RELATIVE_PRESSURE_MAX, &CWeatherSettings::relPresMax, kPressure},
    {IDC_RELATIVE_PRESSURE_MIN, &CWeatherSettings::relPresMin, kPressure},
    {IDC_WIND_SPEED_MAX, &CWeatherSettings::windMax, kWindSpeed},
    {IDC_GUST_SPEED_MAX, &CWeatherSettings::gustMax, kWindSpeed},
    {IDC_RAIN_HOUR_MAX, &CWeatherSettings::hourRainMax, kRain},
    {IDC_RAIN_DAY_MAX, &CWeatherSettings::dayRainMax, kRain},
    {IDC_RAIN_WEEK_MAX, &CWeatherSettings::weekRainMax, kRain},
    {IDC_RAIN_MONTH_MAX, &CWeatherSettings::monthRainMax, kRain},
    {IDC_RAIN_TOTAL_MAX, &CWeatherSettings::totalRainMax, kRain},
    // Plain texts of the form, not min/max labels.
    {IDC_LIGHT_MAX, &CWeatherSettings::lightmeterMax, kLight},
    {IDC_UV_MAX, &CWeatherSettings::uvMax, kUv},
};
static_assert(std::size(kMinMaxItems) == kScopeValueCount + 2);

enum class AlarmTest { kHigh, kLow, kDirection };

struct AlarmItem {
    int bell;
    RecordText value;
    SettingsText threshold;
    SettingsText enabled;
    AlarmTest test;
};

constexpr AlarmItem kAlarmItems[] = {
    {IDC_BELL_INDOOR_HUMIDITY_HIGH, &CWeatherRecord::indHumi, &CWeatherSettings::indHumiHighAlarm,
     &CWeatherSettings::indHumiHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_INDOOR_HUMIDITY_LOW, &CWeatherRecord::indHumi, &CWeatherSettings::indHumiLowAlarm,
     &CWeatherSettings::indHumiLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_INDOOR_TEMPERATURE_HIGH, &CWeatherRecord::indTemp,
     &CWeatherSettings::indTempHighAlarm, &CWeatherSettings::indTempHighAlarmFlag,
     AlarmTest::kHigh},
    {IDC_BELL_INDOOR_TEMPERATURE_LOW, &CWeatherRecord::indTemp, &CWeatherSettings::indTempLowAlarm,
     &CWeatherSettings::indTempLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_OUTDOOR_HUMIDITY_HIGH, &CWeatherRecord::outHumi, &CWeatherSettings::outHumiHighAlarm,
     &CWeatherSettings::outHumiHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_OUTDOOR_HUMIDITY_LOW, &CWeatherRecord::outHumi, &CWeatherSettings::outHumiLowAlarm,
     &CWeatherSettings::outHumiLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_OUTDOOR_TEMPERATURE_HIGH, &CWeatherRecord::outTemp,
     &CWeatherSettings::outTempHighAlarm, &CWeatherSettings::outTempHighAlarmFlag,
     AlarmTest::kHigh},
    {IDC_BELL_OUTDOOR_TEMPERATURE_LOW, &CWeatherRecord::outTemp, &CWeatherSettings::outTempLowAlarm,
     &CWeatherSettings::outTempLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_WINDCHILL_HIGH, &CWeatherRecord::windChill, &CWeatherSettings::windchillHighAlarm,
     &CWeatherSettings::windchillHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_WINDCHILL_LOW, &CWeatherRecord::windChill, &CWeatherSettings::windchillLowAlarm,
     &CWeatherSettings::windchillLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_DEWPOINT_HIGH, &CWeatherRecord::dewPoint, &CWeatherSettings::dewpointHighAlarm,
     &CWeatherSettings::dewpointHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_DEWPOINT_LOW, &CWeatherRecord::dewPoint, &CWeatherSettings::dewpointLowAlarm,
     &CWeatherSettings::dewpointLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_ABSOLUTE_PRESSURE_HIGH, &CWeatherRecord::absPres, &CWeatherSettings::absPresHighAlarm,
     &CWeatherSettings::absPresHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_ABSOLUTE_PRESSURE_LOW, &CWeatherRecord::absPres, &CWeatherSettings::absPresLowAlarm,
     &CWeatherSettings::absPresLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_RELATIVE_PRESSURE_HIGH, &CWeatherRecord::relPres, &CWeatherSettings::relPresHighAlarm,
     &CWeatherSettings::relPresHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_RELATIVE_PRESSURE_LOW, &CWeatherRecord::relPres, &CWeatherSettings::relPresLowAlarm,
     &CWeatherSettings::relPresLowAlarmFlag, AlarmTest::kLow},
    {IDC_BELL_WIND_LEVEL, &CWeatherRecord::windsLevel, &CWeatherSettings::windsLevelAlarm,
     &CWeatherSettings::windAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_WIND_SPEED, &CWeatherRecord::winds, &CWeatherSettings::windAlarm,
     &CWeatherSettings::windAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_GUST_LEVEL, &CWeatherRecord::gustLevel, &CWeatherSettings::gustLevelAlarm,
     &CWeatherSettings::gustAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_GUST_SPEED, &CWeatherRecord::gust, &CWeatherSettings::gustAlarm,
     &CWeatherSettings::gustAlarmFlag, AlarmTest::kHigh},
    // No direction alarm in calm air: the reading that must be above 0 is the wind speed.
    {IDC_BELL_WIND_DIRECTION, &CWeatherRecord::winds, &CWeatherSettings::windDirAlarm,
     &CWeatherSettings::windDirAlarmFlag, AlarmTest::kDirection},
    {IDC_BELL_RAIN_HOUR, &CWeatherRecord::hourRain, &CWeatherSettings::hourRainAlarm,
     &CWeatherSettings::hourRainAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_RAIN_DAY, &CWeatherRecord::dayRain, &CWeatherSettings::dayRainAlarm,
     &CWeatherSettings::dayRainAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_LIGHT, &CWeatherRecord::lightmeter, &CWeatherSettings::lightmeterHighAlarm,
     &CWeatherSettings::lightmeterHighAlarmFlag, AlarmTest::kHigh},
    {IDC_BELL_UV, &CWeatherRecord::uv, &CWeatherSettings::uvHighAlarm,
     &CWeatherSettings::uvHighAlarmFlag, AlarmTest::kHigh},
};
static_assert(std::size(kAlarmItems) == kBellCount);

// A reading of 0 or below, and a missing one ("---" reads as 0), never rings a bell.
bool IsActive(const AlarmItem& alarm, const CWeatherRecord& record,
              const CWeatherSettings& settings) {
    const double value = std::atof((record.*alarm.value).c_str());
    if (!(value > 0.0))
        return false;
    const std::string& threshold = settings.*alarm.threshold;
    switch (alarm.test) {
    case AlarmTest::kHigh:
        return value > std::atof(threshold.c_str());
    case AlarmTest::kLow:
        return value < std::atof(threshold.c_str());
    case AlarmTest::kDirection:
        return record.windDir == threshold;
    }
    return false;
}

} // namespace

std::vector<ItemText> LiveValueTexts(const CWeatherRecord& record,
                                     const CWeatherSettings& settings) {
    std::vector<ItemText> texts;
    texts.reserve(std::size(kLiveItems));
    for (const LiveItem& live : kLiveItems)
        texts.push_back({live.item, WithUnit(record.*live.value, live.unit, settings)});
    return texts;
}

std::vector<ItemText> MinMaxTexts(const CWeatherSettings& settings) {
    std::vector<ItemText> texts;
    texts.reserve(std::size(kMinMaxItems));
    for (const MinMaxItem& minMax : kMinMaxItems)
        texts.push_back({minMax.item, WithUnit(settings.*minMax.value, minMax.unit, settings)});
    return texts;
}

std::array<int, kScopeValueCount> ScopeValueItems() {
    std::array<int, kScopeValueCount> items{};
    for (std::size_t i = 0; i < kScopeValueCount; ++i)
        items[i] = kMinMaxItems[i].item;
    return items;
}

std::array<BellState, kBellCount> AlarmBellStates(const CWeatherRecord& record,
                                                  CWeatherSettings settings) {
    ScaleAlarmThresholds(settings);
    std::array<BellState, kBellCount> bells{};
    for (std::size_t i = 0; i < kBellCount; ++i) {
        const AlarmItem& alarm = kAlarmItems[i];
        bells[i] = {alarm.bell, settings.*alarm.enabled == "1", IsActive(alarm, record, settings)};
    }
    return bells;
}

std::array<int, kBellCount> BellItems() {
    std::array<int, kBellCount> items{};
    for (std::size_t i = 0; i < kBellCount; ++i)
        items[i] = kAlarmItems[i].bell;
    return items;
}

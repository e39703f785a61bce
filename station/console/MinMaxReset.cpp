#include "station/console/MinMaxReset.h"

#include "station/console/RecordDerivedValues.h"
#include "station/values/ValueText.h"

#include <string>

namespace {

using S = CWeatherSettings;
using R = CWeatherRecord;

struct MinMaxRecord {
    std::string S::*value;
    std::string S::*time;
    std::string R::*current;
    bool keepsText; // the humidities: the reading's text as it is
};

const MinMaxRecord kMinMaxRecords[] = {
    {&S::indHumiMax, &S::indHumiMaxTime, &R::indHumi, true},
    {&S::indHumiMin, &S::indHumiMinTime, &R::indHumi, true},
    {&S::outHumiMax, &S::outHumiMaxTime, &R::outHumi, true},
    {&S::outHumiMin, &S::outHumiMinTime, &R::outHumi, true},
    {&S::indTempMax, &S::indTempMaxTime, &R::indTemp, false},
    {&S::indTempMin, &S::indTempMinTime, &R::indTemp, false},
    {&S::outTempMax, &S::outTempMaxTime, &R::outTemp, false},
    {&S::outTempMin, &S::outTempMinTime, &R::outTemp, false},
    {&S::windchillMax, &S::windchillMaxTime, &R::windChill, false},
    {&S::windchillMin, &S::windchillMinTime, &R::windChill, false},
    {&S::dewpointMax, &S::dewpointMaxTime, &R::dewPoint, false},
    {&S::dewpointMin, &S::dewpointMinTime, &R::dewPoint, false},
    {&S::absPresMax, &S::absPresMaxTime, &R::absPres, false},
    {&S::absPresMin, &S::absPresMinTime, &R::absPres, false},
    {&S::relPresMax, &S::relPresMaxTime, &R::relPres, false},
    {&S::relPresMin, &S::relPresMinTime, &R::relPres, false},
    {&S::windMax, &S::windMaxTime, &R::winds, false},
    {&S::gustMax, &S::gustMaxTime, &R::gust, false},
    {&S::uvMax, &S::uvMaxTime, &R::uv, false},
    {&S::lightmeterMax, &S::lightmeterMaxTime, &R::lightmeter, false},
    {&S::hourRainMax, &S::hourRainMaxTime, &R::hourRain, false},
    {&S::dayRainMax, &S::dayRainMaxTime, &R::dayRain, false},
    {&S::weekRainMax, &S::weekRainMaxTime, &R::weekRain, false},
    {&S::monthRainMax, &S::monthRainMaxTime, &R::monthRain, false},
    {&S::totalRainMax, &S::totalRainMaxTime, &R::totalRain, false},
};

// A derived temperature in degrees back in the console's tenths; a missing one stays missing.
void DegreesToTenths(std::string& text) {
    if (!IsMissingText(text))
        text = PrintDecimals(static_cast<double>(ReadFloat(text)) * 10.0, 0);
}

} // namespace

CWeatherRecord ReadingForMinMaxReset(const CWeatherRecord& reading, const CWeatherSettings& block) {
    constexpr float kTenths = 0.1f;
    CWeatherRecord prepared = reading;
    // The pressures of record and block are both tenths of hPa, so the offset works on them as
    // they are.
    DeriveRelativePressure(prepared, 1.0f, block);
    DeriveDewPoint(prepared, kTenths);
    DeriveWindChill(prepared, kTenths);
    DegreesToTenths(prepared.dewPoint);
    DegreesToTenths(prepared.windChill);
    return prepared;
}

namespace {

const MinMaxRecord* FindMinMaxRecord(std::string CWeatherSettings::*value) {
    for (const MinMaxRecord& record : kMinMaxRecords) {
        if (record.value == value)
            return &record;
    }
    return nullptr;
}

} // namespace

std::string CWeatherSettings::*MinMaxTimeField(std::string CWeatherSettings::*value) {
    const MinMaxRecord* record = FindMinMaxRecord(value);
    return record ? record->time : nullptr;
}

bool ResetMinMaxRecord(CWeatherSettings& block, std::string CWeatherSettings::*value,
                       const CWeatherRecord& prepared) {
    const MinMaxRecord* record = FindMinMaxRecord(value);
    if (!record)
        return false;
    const std::string& current = prepared.*record->current;
    block.*value = record->keepsText ? current : std::to_string(ReadInt(current));
    block.*record->time = prepared.recordTime;
    return true;
}

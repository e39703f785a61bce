#include "station/console/MinMaxUnits.h"

#include "station/values/UnitNames.h"

#include <gtest/gtest.h>

namespace {

// The min/max area as the decoder leaves it: the console's integers.
CWeatherSettings DecodedMinMax() {
    CWeatherSettings settings;
    settings.indHumiMax = "65";
    settings.indHumiMin = "255";
    settings.indTempMax = "225";
    settings.indTempMin = "-55";
    settings.outTempMax = "";
    settings.dewpointMin = "-32767";
    settings.absPresMax = "10132";
    settings.absPresMin = "0";
    settings.windMax = "139";
    settings.gustMax = "208";
    settings.hourRainMax = "254";
    settings.totalRainMax = "123456";
    settings.lightmeterMax = "12345";
    settings.uvMax = "7";
    return settings;
}

TEST(ConvertMinMaxToUserUnits, InMetricUnits) {
    CWeatherSettings settings = DecodedMinMax();
    ConvertMinMaxToUserUnits(settings);
    EXPECT_EQ(settings.indHumiMax, "65");
    EXPECT_EQ(settings.indHumiMin, "---");
    EXPECT_EQ(settings.indTempMax, "22.5");
    EXPECT_EQ(settings.indTempMin, "-5.5");
    EXPECT_EQ(settings.outTempMax, "---");
    EXPECT_EQ(settings.outTempMin, "---"); // "---" by construction
    EXPECT_EQ(settings.dewpointMin, "---");
    EXPECT_EQ(settings.absPresMax, "1013.2");
    EXPECT_EQ(settings.absPresMin, "---");
    EXPECT_EQ(settings.windMax, "13.9");
    EXPECT_EQ(settings.gustMax, "20.8");
    EXPECT_EQ(settings.hourRainMax, "25.4");
    EXPECT_EQ(settings.totalRainMax, "12345.6");
    EXPECT_EQ(settings.lightmeterMax, "1234.5");
    EXPECT_EQ(settings.uvMax, "7");
}

TEST(ConvertMinMaxToUserUnits, InTheConsolesDisplayUnits) {
    CWeatherSettings settings = DecodedMinMax();
    settings.indTempUnit = kUnitFahrenheit;
    settings.presUnit = kUnitInHg;
    settings.windUnit = kUnitBft;
    settings.rainUnit = kUnitInch;
    settings.lightmeterUnit = kUnitFc;
    ConvertMinMaxToUserUnits(settings);
    EXPECT_EQ(settings.indTempMax, "72.5");
    EXPECT_EQ(settings.indTempMin, "22.1");
    EXPECT_EQ(settings.absPresMax, "29.92");
    EXPECT_EQ(settings.windMax, "7");
    EXPECT_EQ(settings.gustMax, "9");
    EXPECT_EQ(settings.hourRainMax, "1.00");
    EXPECT_EQ(settings.lightmeterMax, "114.73");
    EXPECT_EQ(settings.indHumiMax, "65");
}

TEST(ConvertMinMaxToUserUnits, ShowsNoLightAboveTheSensorsRange) {
    CWeatherSettings settings = DecodedMinMax();
    settings.lightmeterMax = "4000000"; // just above 400000 lux with the 32-bit 0.1
    settings.uvMax = "16";
    ConvertMinMaxToUserUnits(settings);
    EXPECT_EQ(settings.lightmeterMax, "---");
    EXPECT_EQ(settings.uvMax, "---");
}

TEST(ConvertMinMaxToUserUnits, OnlyNeverSetTimesShowNoValue) {
    using S = CWeatherSettings;
    const std::initializer_list<std::string S::*> times = {
        &S::indHumiMaxTime,   &S::indHumiMinTime,   &S::outHumiMaxTime,   &S::outHumiMinTime,
        &S::indTempMaxTime,   &S::indTempMinTime,   &S::outTempMaxTime,   &S::outTempMinTime,
        &S::windchillMaxTime, &S::windchillMinTime, &S::dewpointMaxTime,  &S::dewpointMinTime,
        &S::absPresMaxTime,   &S::absPresMinTime,   &S::relPresMaxTime,   &S::relPresMinTime,
        &S::windMaxTime,      &S::gustMaxTime,      &S::hourRainMaxTime,  &S::dayRainMaxTime,
        &S::weekRainMaxTime,  &S::monthRainMaxTime, &S::totalRainMaxTime, &S::lightmeterMaxTime,
        &S::uvMaxTime};
    CWeatherSettings settings;
    for (std::string S::*time : times) {
        settings.*time = "2000-00-00 00:00";
    }
    settings.windMaxTime = "2009-12-31 23:59";
    ConvertMinMaxToUserUnits(settings);
    for (std::string S::*time : times) {
        EXPECT_EQ(settings.*time, time == &S::windMaxTime ? "2009-12-31 23:59" : "---");
    }
}

} // namespace

#include "station/console/AlarmThresholds.h"

#include "station/console/AlarmInputLimits.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"

#include <gtest/gtest.h>

namespace {

// Thresholds as the decoder leaves them: stored integers in the display unit, times 10 or 100.
CWeatherSettings StoredThresholds() {
    CWeatherSettings settings;
    settings.relPres = "10132";
    settings.absPres = "10095";
    settings.indHumiHighAlarm = "65";
    settings.indHumiLowAlarm = "35";
    settings.outHumiHighAlarm = "90";
    settings.outHumiLowAlarm = "255";
    settings.indTempHighAlarm = "300";
    settings.indTempLowAlarm = "-55";
    settings.outTempHighAlarm = "350";
    settings.outTempLowAlarm = "-100";
    settings.windchillHighAlarm = "200";
    settings.windchillLowAlarm = "-32767";
    settings.dewpointHighAlarm = "180";
    settings.dewpointLowAlarm = "";
    settings.absPresHighAlarm = "10400";
    settings.absPresLowAlarm = "0";
    settings.relPresHighAlarm = "10400";
    settings.relPresLowAlarm = "9600";
    settings.windsLevelAlarm = "5";
    settings.windAlarm = "100";
    settings.gustLevelAlarm = "7";
    settings.gustAlarm = "150";
    settings.windDirAlarm = "3";
    settings.hourRainAlarm = "100";
    settings.dayRainAlarm = "500";
    settings.timeAlarmHour = "07";
    settings.timeAlarmMinute = "30";
    settings.lightmeterHighAlarm = "1000";
    settings.uvHighAlarm = "5";
    return settings;
}

TEST(ScaleAlarmThresholds, InMetricUnits) {
    CWeatherSettings settings = StoredThresholds();
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.relPres, "1013.2");
    EXPECT_EQ(settings.absPres, "1009.5");
    EXPECT_EQ(settings.indHumiHighAlarm, "65");
    EXPECT_EQ(settings.outHumiLowAlarm, "---");
    EXPECT_EQ(settings.indTempHighAlarm, "30.0");
    EXPECT_EQ(settings.indTempLowAlarm, "-5.5");
    EXPECT_EQ(settings.outTempLowAlarm, "-10.0");
    EXPECT_EQ(settings.windchillHighAlarm, "20.0");
    EXPECT_EQ(settings.windchillLowAlarm, "---");
    EXPECT_EQ(settings.dewpointHighAlarm, "18.0");
    EXPECT_EQ(settings.dewpointLowAlarm, "---");
    EXPECT_EQ(settings.absPresHighAlarm, "1040.0");
    EXPECT_EQ(settings.absPresLowAlarm, "---");
    EXPECT_EQ(settings.relPresLowAlarm, "960.0");
    EXPECT_EQ(settings.windAlarm, "10.0");
    EXPECT_EQ(settings.gustAlarm, "15.0");
    EXPECT_EQ(settings.hourRainAlarm, "10.0");
    EXPECT_EQ(settings.dayRainAlarm, "50.0");
    EXPECT_EQ(settings.lightmeterHighAlarm, "100.0");
}

TEST(ScaleAlarmThresholds, HundredthsForInchesOfMercuryInchesAndFootCandles) {
    CWeatherSettings settings = StoredThresholds();
    settings.presUnit = kUnitInHg;
    settings.rainUnit = kUnitInch;
    settings.lightmeterUnit = kUnitFc;
    settings.relPresHighAlarm = "2992";
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.relPresHighAlarm, "29.92");
    EXPECT_EQ(settings.relPresLowAlarm, "96.00");
    EXPECT_EQ(settings.hourRainAlarm, "1.00");
    EXPECT_EQ(settings.lightmeterHighAlarm, "10.00");
    // The current pressures are tenths of hPa whatever the unit, shown in hPa.
    EXPECT_EQ(settings.relPres, "1013.20");
    EXPECT_EQ(settings.absPres, "1009.50");
}

TEST(ScaleAlarmThresholds, ScalesWithoutConvertingUnits) {
    CWeatherSettings settings = StoredThresholds();
    settings.indTempUnit = kUnitFahrenheit;
    settings.outTempUnit = kUnitFahrenheit;
    settings.presUnit = kUnitMmHg;
    settings.windUnit = kUnitKmh;
    settings.indTempHighAlarm = "860";
    settings.relPresHighAlarm = "7600";
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.indTempHighAlarm, "86.0");
    EXPECT_EQ(settings.outTempHighAlarm, "35.0");
    EXPECT_EQ(settings.relPresHighAlarm, "760.0");
    EXPECT_EQ(settings.windAlarm, "10.0");
    EXPECT_EQ(settings.relPres, "1013.2");
}

TEST(ScaleAlarmThresholds, BeaufortThresholdsAreWholeLevels) {
    CWeatherSettings settings = StoredThresholds();
    settings.windUnit = kUnitBft;
    settings.windAlarm = "50";
    settings.gustAlarm = "79";
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.windAlarm, "5");
    EXPECT_EQ(settings.gustAlarm, "7");
}

TEST(ScaleAlarmThresholds, LeavesLevelsDirectionTimeAndUvAsTheyAre) {
    CWeatherSettings settings = StoredThresholds();
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.windsLevelAlarm, "5");
    EXPECT_EQ(settings.gustLevelAlarm, "7");
    EXPECT_EQ(settings.windDirAlarm, "3");
    EXPECT_EQ(settings.timeAlarmHour, "07");
    EXPECT_EQ(settings.timeAlarmMinute, "30");
    EXPECT_EQ(settings.uvHighAlarm, "5");
}

TEST(ScaleAlarmThresholds, TheSensorsNoLightValueShowsNoValue) {
    CWeatherSettings settings = StoredThresholds();
    settings.lightmeterHighAlarm = "16777215";
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.lightmeterHighAlarm, "---");
}

TEST(ScaleAlarmThresholds, ScalesAgainWhenAppliedTwice) {
    CWeatherSettings settings = StoredThresholds();
    ScaleAlarmThresholds(settings);
    ScaleAlarmThresholds(settings);
    EXPECT_EQ(settings.indTempHighAlarm, "3.0");
    EXPECT_EQ(settings.indHumiHighAlarm, "65");
}

TEST(AlarmThresholdFactor, IsAHundredthForTheTwoDecimalUnits) {
    EXPECT_EQ(AlarmThresholdFactor(kUnitInHg), 0.01f);
    EXPECT_EQ(AlarmThresholdFactor(kUnitInch), 0.01f);
    EXPECT_EQ(AlarmThresholdFactor(kUnitFc), 0.01f);
    for (const std::string_view unit : {kUnitHpa, kUnitMmHg, kUnitMm, kUnitLux, kUnitCelsius,
                                        kUnitFahrenheit, kUnitBft, std::string_view("INHG")}) {
        EXPECT_EQ(AlarmThresholdFactor(unit), 0.1f) << unit;
    }
}

struct LimitsCase {
    std::string_view temperature, pressure, wind, rain, light;
    const char* shown; // every pair printed with two decimals
};

void PrintTo(const LimitsCase& c, std::ostream* os) {
    *os << c.temperature << " " << c.pressure << " " << c.wind << " " << c.rain << " " << c.light;
}

std::string Shown(InputLimits<float> limits) {
    return PrintDecimals(limits.min, 2) + ".." + PrintDecimals(limits.max, 2);
}

class AlarmLimits : public testing::TestWithParam<LimitsCase> {};

TEST_P(AlarmLimits, AreTheMetricRangesInTheUnitsRead) {
    const LimitsCase& c = GetParam();
    CWeatherSettings settings;
    settings.indTempUnit = c.temperature;
    settings.outTempUnit = kUnitCelsius;
    settings.presUnit = c.pressure;
    settings.windUnit = c.wind;
    settings.rainUnit = c.rain;
    settings.lightmeterUnit = c.light;
    const AlarmInputLimits limits = AlarmInputLimitsFor(settings);
    EXPECT_EQ(Shown(limits.indoorTemperature) + " " + Shown(limits.outdoorTemperature) + " " +
                  Shown(limits.pressure) + " " + Shown(limits.windSpeed) + " " +
                  Shown(limits.rain) + " " + Shown(limits.light),
              c.shown);
    EXPECT_EQ(Shown(PressureInputLimits(c.pressure)), Shown(limits.pressure));
}

INSTANTIATE_TEST_SUITE_P(
    Units, AlarmLimits,
    testing::Values(LimitsCase{kUnitCelsius, kUnitHpa, kUnitMs, kUnitMm, kUnitLux,
                               "-40.00..60.00 -40.00..60.00 500.00..1100.00 0.00..50.00 "
                               "0.00..1000.00 0.00..400000.00"},
                    LimitsCase{kUnitFahrenheit, kUnitInHg, kUnitKmh, kUnitInch, kUnitFc,
                               "-40.00..140.00 -40.00..60.00 14.77..32.48 0.00..180.00 "
                               "0.00..39.37 0.00..37174.72"},
                    LimitsCase{kUnitCelsius, kUnitMmHg, kUnitBft, kUnitMm, kUnitLux,
                               "-40.00..60.00 -40.00..60.00 375.00..825.00 0.00..12.00 "
                               "0.00..1000.00 0.00..400000.00"},
                    LimitsCase{kUnitCelsius, kUnitHpa, kUnitKnot, kUnitMm, kUnitLux,
                               "-40.00..60.00 -40.00..60.00 500.00..1100.00 0.00..97.14 "
                               "0.00..1000.00 0.00..400000.00"}));

} // namespace

#include "station/console/AlarmThresholds.h"
#include "station/values/UnitNames.h"

#include <string_view>

#include <gtest/gtest.h>

namespace {

// A block in metric units whose thresholds are stored integers, as the console keeps them.
CWeatherSettings MetricBlock() {
    CWeatherSettings block;
    block.indTempUnit = kUnitCelsius;
    block.outTempUnit = kUnitCelsius;
    block.presUnit = kUnitHpa;
    block.windUnit = kUnitMs;
    block.rainUnit = kUnitMm;
    block.lightmeterUnit = kUnitLux;
    block.indTempHighAlarm = "300";
    block.indTempLowAlarm = "-55";
    block.outTempHighAlarm = "350";
    block.dewpointLowAlarm = "---";
    block.relPresHighAlarm = "10400";
    block.absPresLowAlarm = "9600";
    block.windAlarm = "100";
    block.gustAlarm = "150";
    block.hourRainAlarm = "100";
    block.dayRainAlarm = "500";
    block.lightmeterHighAlarm = "1000";
    block.indHumiHighAlarm = "65";
    block.windsLevelAlarm = "5";
    block.uvHighAlarm = "05";
    return block;
}

// The block after the user picked other units in the setup dialog.
CWeatherSettings WithUnit(CWeatherSettings block, std::string CWeatherSettings::*unit,
                          std::string_view name) {
    block.*unit = name;
    return block;
}

} // namespace

TEST(StoredThreshold, TakesTheValueTimesTheScaleAsAWholeNumber) {
    EXPECT_EQ(StoredThreshold("29.92", 100.0f), "2992");
    EXPECT_EQ(StoredThreshold("1013.2", 10.0f), "10132");
    EXPECT_EQ(StoredThreshold("0.39", 100.0f), "39");
    EXPECT_EQ(StoredThreshold("10.0", 10.0f), "100");
    EXPECT_EQ(StoredThreshold("-5.5", 10.0f), "-55");
    EXPECT_EQ(StoredThreshold("65", 1.0f), "65");
    EXPECT_EQ(StoredThreshold("---", 10.0f), "0");
}

TEST(StoredThreshold, TwoDigitsForTheAlarmTimeAndUv) {
    EXPECT_EQ(TwoDigitThreshold("7"), "07");
    EXPECT_EQ(TwoDigitThreshold("5"), "05");
    EXPECT_EQ(TwoDigitThreshold("23"), "23");
    EXPECT_EQ(TwoDigitThreshold("0"), "00");
}

TEST(StoredThreshold, ScaleIsTheInverseOfTheFactor) {
    for (const std::string_view unit : {kUnitInHg, kUnitInch, kUnitFc})
        EXPECT_EQ(AlarmThresholdScale(unit), 100.0f) << unit;
    for (const std::string_view unit :
         {kUnitHpa, kUnitMmHg, kUnitMm, kUnitLux, kUnitCelsius, kUnitFahrenheit, kUnitMs, kUnitBft})
        EXPECT_EQ(AlarmThresholdScale(unit), 10.0f) << unit;
}

TEST(ReexpressAlarmThresholds, RainMillimetresToInchesTurns100Into39) {
    const CWeatherSettings old = MetricBlock();
    CWeatherSettings fresh = WithUnit(old, &CWeatherSettings::rainUnit, kUnitInch);
    ReexpressAlarmThresholds(fresh, old);
    EXPECT_EQ(fresh.hourRainAlarm, "39");
    EXPECT_EQ(fresh.dayRainAlarm, "197");
    // Nothing else changed unit, so nothing else moves.
    EXPECT_EQ(fresh.windAlarm, "100");
    EXPECT_EQ(fresh.indTempLowAlarm, "-55");
}

TEST(ReexpressAlarmThresholds, InchesOfMercuryToHectopascal) {
    CWeatherSettings old = WithUnit(MetricBlock(), &CWeatherSettings::presUnit, kUnitInHg);
    old.relPresHighAlarm = "2992";
    old.absPresLowAlarm = "2835";
    CWeatherSettings fresh = WithUnit(old, &CWeatherSettings::presUnit, kUnitHpa);
    ReexpressAlarmThresholds(fresh, old);
    EXPECT_EQ(fresh.relPresHighAlarm, "10132");
    EXPECT_EQ(fresh.absPresLowAlarm, "9600");
}

TEST(ReexpressAlarmThresholds, WindToBeaufortStoresWholeLevelsTimesTen) {
    const CWeatherSettings old = MetricBlock();
    CWeatherSettings fresh = WithUnit(old, &CWeatherSettings::windUnit, kUnitBft);
    ReexpressAlarmThresholds(fresh, old);
    EXPECT_EQ(fresh.windAlarm, "50"); // 10.0 m/s is level 5
    EXPECT_EQ(fresh.gustAlarm, "70"); // 15.0 m/s is level 7
    EXPECT_EQ(fresh.windsLevelAlarm, "5");
}

TEST(ReexpressAlarmThresholds, TemperaturesLightAndUnreadableValues) {
    const CWeatherSettings old = MetricBlock();
    CWeatherSettings fresh = WithUnit(old, &CWeatherSettings::outTempUnit, kUnitFahrenheit);
    fresh.lightmeterUnit = kUnitFc;
    ReexpressAlarmThresholds(fresh, old);
    EXPECT_EQ(fresh.outTempHighAlarm, "950"); // 35.0 °C
    EXPECT_EQ(fresh.dewpointLowAlarm, "0");   // unreadable
    EXPECT_EQ(fresh.lightmeterHighAlarm, "929");
    // The indoor unit stayed °C.
    EXPECT_EQ(fresh.indTempHighAlarm, "300");
    EXPECT_EQ(fresh.indHumiHighAlarm, "65");
    EXPECT_EQ(fresh.uvHighAlarm, "05");
}

TEST(SameThresholdUnits, ComparesEveryUnitThatScalesAThreshold) {
    const CWeatherSettings block = MetricBlock();
    EXPECT_TRUE(SameThresholdUnits(block, block));
    for (std::string CWeatherSettings::*unit :
         {&CWeatherSettings::indTempUnit, &CWeatherSettings::outTempUnit,
          &CWeatherSettings::presUnit, &CWeatherSettings::windUnit, &CWeatherSettings::rainUnit,
          &CWeatherSettings::lightmeterUnit}) {
        EXPECT_FALSE(SameThresholdUnits(block, WithUnit(block, unit, "other")));
    }
    CWeatherSettings otherZone = block;
    otherZone.timeZone = "5";
    EXPECT_TRUE(SameThresholdUnits(block, otherZone));
}

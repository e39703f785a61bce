#include "station/console/MinMaxReset.h"

#include "station/values/DerivedValues.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

using S = CWeatherSettings;

// A reading as the console delivers it: integers in tenths, humidities in %.
CWeatherRecord Reading() {
    CWeatherRecord reading;
    reading.recordTime = "2026-12-08 22:41:07";
    reading.indHumi = "45";
    reading.outHumi = "80";
    reading.indTemp = "215";
    reading.outTemp = "-50";
    reading.absPres = "10000";
    reading.winds = "100";
    reading.gust = "150";
    reading.uv = "3";
    reading.lightmeter = "123456";
    return reading;
}

CWeatherSettings Block() {
    CWeatherSettings block;
    block.relPres = "10132";
    block.absPres = "10095";
    block.indTempMax = "300";
    block.indTempMaxTime = "2007-01-01 12:00";
    block.hourRainMax = "77";
    return block;
}

std::string Tenths(float degrees) {
    return std::to_string(std::lround(degrees * 10.0f));
}

} // namespace

TEST(MinMaxReset, TakesTheReadingAndItsTime) {
    CWeatherSettings block = Block();
    const CWeatherRecord prepared = ReadingForMinMaxReset(Reading(), block);
    ASSERT_TRUE(ResetMinMaxRecord(block, &S::indTempMax, prepared));
    EXPECT_EQ(block.indTempMax, "215");
    EXPECT_EQ(block.indTempMaxTime, "2026-12-08 22:41:07");
    ASSERT_TRUE(ResetMinMaxRecord(block, &S::outTempMin, prepared));
    EXPECT_EQ(block.outTempMin, "-50");
    ASSERT_TRUE(ResetMinMaxRecord(block, &S::lightmeterMax, prepared));
    EXPECT_EQ(block.lightmeterMax, "123456");
    EXPECT_EQ(block.lightmeterMaxTime, "2026-12-08 22:41:07");
    // Only the chosen records change.
    EXPECT_EQ(block.indTempMin, Block().indTempMin);
    EXPECT_EQ(block.hourRainMax, "77");
}

TEST(MinMaxReset, HumidityKeepsTheReadingsText) {
    CWeatherSettings block = Block();
    CWeatherRecord reading = Reading();
    reading.outHumi = "---";
    const CWeatherRecord prepared = ReadingForMinMaxReset(reading, block);
    ASSERT_TRUE(ResetMinMaxRecord(block, &S::indHumiMin, prepared));
    ASSERT_TRUE(ResetMinMaxRecord(block, &S::outHumiMax, prepared));
    EXPECT_EQ(block.indHumiMin, "45");
    EXPECT_EQ(block.outHumiMax, "---");
}

TEST(MinMaxReset, AMissingValueBecomesZero) {
    CWeatherSettings block = Block();
    CWeatherRecord reading = Reading();
    reading.indTemp = "---";
    ASSERT_TRUE(ResetMinMaxRecord(block, &S::indTempMax, ReadingForMinMaxReset(reading, block)));
    EXPECT_EQ(block.indTempMax, "0");
}

TEST(MinMaxReset, RainMaximaHaveNoReadingAndBecomeZero) {
    CWeatherSettings block = Block();
    const CWeatherRecord prepared = ReadingForMinMaxReset(Reading(), block);
    for (std::string S::*field :
         {&S::hourRainMax, &S::dayRainMax, &S::weekRainMax, &S::monthRainMax, &S::totalRainMax}) {
        ASSERT_TRUE(ResetMinMaxRecord(block, field, prepared));
        EXPECT_EQ(block.*field, "0");
    }
    EXPECT_EQ(block.totalRainMaxTime, "2026-12-08 22:41:07");
}

TEST(MinMaxReset, DerivedValuesAreTenthsOfTheirTrueValues) {
    CWeatherSettings block = Block();
    const CWeatherRecord prepared = ReadingForMinMaxReset(Reading(), block);
    for (std::string S::*field : {&S::dewpointMax, &S::windchillMin, &S::relPresMax})
        ASSERT_TRUE(ResetMinMaxRecord(block, field, prepared));
    // -5.0 °C at 80 % and 10.0 m/s, stored in tenths of a degree.
    EXPECT_EQ(block.dewpointMax, Tenths(DewPoint(-5.0f, 80.0f)));
    EXPECT_EQ(block.windchillMin, Tenths(WindChill(-5.0f, 10.0f)));
    EXPECT_LT(std::stoi(block.windchillMin), -50);
    // The reading's absolute pressure moved by the block's offset: 10000 - 10095 + 10132.
    EXPECT_EQ(block.relPresMax, "10037");
}

TEST(MinMaxReset, AFieldThatIsNoMinMaxRecordChangesNothing) {
    CWeatherSettings block = Block();
    const CWeatherRecord prepared = ReadingForMinMaxReset(Reading(), block);
    EXPECT_FALSE(ResetMinMaxRecord(block, &S::relPres, prepared));
    EXPECT_EQ(block.relPres, "10132");
    EXPECT_FALSE(ResetMinMaxRecord(block, &S::indTempMaxTime, prepared));
    EXPECT_EQ(block.indTempMaxTime, "2007-01-01 12:00");
}

TEST(MinMaxReset, EveryRecordHasItsTimeField) {
    EXPECT_EQ(MinMaxTimeField(&S::windchillMin), &S::windchillMinTime);
    EXPECT_EQ(MinMaxTimeField(&S::uvMax), &S::uvMaxTime);
    EXPECT_EQ(MinMaxTimeField(&S::lightmeterMax), &S::lightmeterMaxTime);
    EXPECT_EQ(MinMaxTimeField(&S::relPres), nullptr);
}

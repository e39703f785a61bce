#include "station/console/RecordScaling.h"

#include "station/console/RecordDerivedValues.h"
#include "station/values/UnitNames.h"

#include <gtest/gtest.h>

namespace {

// A record as the history decoding leaves it: the console's raw integers as texts.
CWeatherRecord DecodedRecord() {
    CWeatherRecord record;
    record.sampleCircle = "30";
    record.indHumi = "45";
    record.indTemp = "230";
    record.outHumi = "50";
    record.outTemp = "215";
    record.absPres = "10095";
    record.winds = "40";
    record.gust = "63";
    record.windDir = "5";
    record.rain = "10";
    record.lightmeter = "12345";
    record.uv = "3";
    record.totalRain = "12.3";
    record.flag7 = "0";
    return record;
}

// The console's current pressures, still raw tenths of hPa.
CWeatherSettings ConsoleSettings() {
    CWeatherSettings settings;
    settings.absPres = "10095";
    settings.relPres = "10132";
    return settings;
}

TEST(ScaleRecordToMetric, GivesMetricTextsAndTheDerivedValues) {
    CWeatherRecord record = DecodedRecord();
    ScaleRecordToMetric(record, ConsoleSettings());

    EXPECT_EQ(record.outTemp, "21.5");
    EXPECT_EQ(record.outHumi, "50");
    EXPECT_EQ(record.absPres, "1009.5");
    EXPECT_EQ(record.relPres, "1013.2");
    EXPECT_EQ(record.winds, "4.0");
    EXPECT_EQ(record.windsLevel, "3");
    EXPECT_EQ(record.dewPoint, "10.7");
    EXPECT_EQ(record.windChill, "19.2");

    EXPECT_EQ(record.indTemp, "23.0");
    EXPECT_EQ(record.indHumi, "45");
    EXPECT_EQ(record.gust, "6.3");
    EXPECT_EQ(record.gustLevel, "4");
    EXPECT_EQ(record.windDir, "5");
    EXPECT_EQ(record.windDirDesc, "SEE");
    EXPECT_EQ(record.rain, "10");
    EXPECT_EQ(record.rainMm, "3.0");
    EXPECT_EQ(record.lightmeter, "1234.5");
    EXPECT_EQ(record.uv, "3");
    EXPECT_EQ(record.totalRain, "12.3");
    EXPECT_EQ(record.hourRain, "---");
    EXPECT_EQ(record.increment, "---");
    EXPECT_EQ(record.sampleCircle, "30");
}

TEST(ScaleRecordToMetric, LightWindGivesTheTemperatureAsWindChill) {
    CWeatherRecord record = DecodedRecord();
    record.winds = "17";
    ScaleRecordToMetric(record, ConsoleSettings());
    EXPECT_EQ(record.windChill, "21.5");
    EXPECT_EQ(record.windsLevel, "2");
}

TEST(ScaleRecordToMetric, WithoutWindTheWindChillIsTheTemperature) {
    CWeatherRecord record = DecodedRecord();
    record.winds = "---";
    ScaleRecordToMetric(record, ConsoleSettings());
    EXPECT_EQ(record.windChill, "21.5");
    EXPECT_EQ(record.winds, "---");
    EXPECT_EQ(record.windsLevel, "---");
}

TEST(ScaleRecordToMetric, WithoutOutdoorTemperatureThereIsNoDewPointOrWindChill) {
    CWeatherRecord record = DecodedRecord();
    record.outTemp = "---";
    ScaleRecordToMetric(record, ConsoleSettings());
    EXPECT_EQ(record.outTemp, "---");
    EXPECT_EQ(record.dewPoint, "---");
    EXPECT_EQ(record.windChill, "---");
}

class NoDewPoint : public testing::TestWithParam<const char*> {};

TEST_P(NoDewPoint, WithoutAUsableHumidity) {
    CWeatherRecord record = DecodedRecord();
    record.outHumi = GetParam();
    ScaleRecordToMetric(record, ConsoleSettings());
    EXPECT_EQ(record.dewPoint, "---");
    EXPECT_EQ(record.windChill, "19.2");
}

// 0 % has no dew point at all (the logarithm of zero); 255 is the console's "no reading".
INSTANTIATE_TEST_SUITE_P(Humidities, NoDewPoint, testing::Values("0", "255", "---", ""));

TEST(ScaleRecordToMetric, WithoutAbsolutePressureThereIsNoRelativePressure) {
    CWeatherRecord record = DecodedRecord();
    record.absPres = "---";
    ScaleRecordToMetric(record, ConsoleSettings());
    EXPECT_EQ(record.absPres, "---");
    EXPECT_EQ(record.relPres, "---");
}

TEST(ScaleRecordToMetric, WithoutRadioContactTheTotalRainIsNotTrusted) {
    CWeatherRecord record = DecodedRecord();
    record.flag7 = "1";
    ScaleRecordToMetric(record, ConsoleSettings());
    EXPECT_EQ(record.totalRain, "---");
}

TEST(ScaleRecordToMetric, ARecordWithoutValuesStaysWithoutValues) {
    CWeatherRecord record;
    ScaleRecordToMetric(record, ConsoleSettings());
    for (const std::string* text :
         {&record.indHumi, &record.indTemp, &record.outHumi, &record.outTemp, &record.absPres,
          &record.relPres, &record.winds, &record.gust, &record.windsLevel, &record.gustLevel,
          &record.windDir, &record.windDirDesc, &record.dewPoint, &record.windChill,
          &record.lightmeter, &record.uv, &record.totalRain}) {
        EXPECT_EQ(*text, "---");
    }
    // Without a counter value the counter and its millimetres are emptied.
    EXPECT_EQ(record.rain, "");
    EXPECT_EQ(record.rainMm, "");
}

TEST(DeriveValues, WithFactorOneWorkOnValues) {
    CWeatherRecord record;
    record.outTemp = "21.5";
    record.outHumi = "50";
    record.winds = "4.0";
    record.absPres = "1009.5";
    CWeatherSettings settings;
    settings.absPres = "1009.5";
    settings.relPres = "1013.2";
    DeriveRelativePressure(record, 1.0f, settings);
    DeriveDewPoint(record, 1.0f);
    DeriveWindChill(record, 1.0f);
    EXPECT_EQ(record.relPres.substr(0, 6), "1013.2");
    EXPECT_EQ(record.dewPoint.substr(0, 5), "10.66");
    EXPECT_EQ(record.windChill.substr(0, 5), "19.17");
}

CWeatherRecord MetricRecord() {
    CWeatherRecord record = DecodedRecord();
    ScaleRecordToMetric(record, ConsoleSettings());
    record.hourRain = "25.4";
    return record;
}

CWeatherSettings DisplayUnits(std::string_view temperature, std::string_view pressure,
                              std::string_view wind, std::string_view rain,
                              std::string_view light) {
    CWeatherSettings settings;
    settings.indTempUnit = temperature;
    settings.outTempUnit = temperature;
    settings.presUnit = pressure;
    settings.windUnit = wind;
    settings.rainUnit = rain;
    settings.lightmeterUnit = light;
    return settings;
}

TEST(ConvertRecordToUserUnits, InMetricUnitsChangesNoValue) {
    CWeatherRecord record = MetricRecord();
    const CWeatherRecord metric = record;
    ConvertRecordToUserUnits(record,
                             DisplayUnits(kUnitCelsius, kUnitHpa, kUnitMs, kUnitMm, kUnitLux));
    using R = CWeatherRecord;
    for (std::string R::*field :
         {&R::indTemp, &R::outTemp, &R::dewPoint, &R::windChill, &R::indHumi, &R::outHumi,
          &R::absPres, &R::relPres, &R::winds, &R::gust, &R::hourRain, &R::dayRain, &R::totalRain,
          &R::lightmeter, &R::windDir, &R::windDirDesc, &R::uv}) {
        EXPECT_EQ(record.*field, metric.*field);
    }
}

TEST(ConvertRecordToUserUnits, ShowsTheValuesInTheConsolesUnits) {
    CWeatherRecord record = MetricRecord();
    ConvertRecordToUserUnits(
        record, DisplayUnits(kUnitFahrenheit, kUnitInHg, kUnitBft, kUnitInch, kUnitFc));

    EXPECT_EQ(record.indTemp, "73.4");
    EXPECT_EQ(record.outTemp, "70.7");
    EXPECT_EQ(record.dewPoint, "51.3");
    EXPECT_EQ(record.windChill, "66.6");
    EXPECT_EQ(record.outHumi, "50");
    EXPECT_EQ(record.absPres, "29.81");
    EXPECT_EQ(record.relPres, "29.92");
    EXPECT_EQ(record.winds, "3");
    EXPECT_EQ(record.gust, "4");
    EXPECT_EQ(record.hourRain, "1.00");
    EXPECT_EQ(record.totalRain, "0.48");
    EXPECT_EQ(record.dayRain, "---");
    EXPECT_EQ(record.lightmeter, "114.73");
    EXPECT_EQ(record.windDir, "5");
    EXPECT_EQ(record.windDirDesc, "SEE");
    EXPECT_EQ(record.uv, "3");
    // Kept in their stored form.
    EXPECT_EQ(record.windsLevel, "3");
    EXPECT_EQ(record.gustLevel, "4");
    EXPECT_EQ(record.rainMm, "3.0");
    EXPECT_EQ(record.rain, "10");
}

TEST(ConvertRecordToUserUnits, ShowsNoLightAboveTheSensorsRange) {
    CWeatherRecord record = MetricRecord();
    record.lightmeter = "400000.1";
    ConvertRecordToUserUnits(record,
                             DisplayUnits(kUnitCelsius, kUnitHpa, kUnitMs, kUnitMm, kUnitLux));
    EXPECT_EQ(record.lightmeter, "400000.1");
    record.lightmeter = "400001.0";
    ConvertRecordToUserUnits(record,
                             DisplayUnits(kUnitCelsius, kUnitHpa, kUnitMs, kUnitMm, kUnitLux));
    EXPECT_EQ(record.lightmeter, "---");
}

TEST(ConvertRecordToUserUnits, ConvertsAgainWhenAppliedTwice) {
    CWeatherRecord record = MetricRecord();
    const CWeatherSettings fahrenheit =
        DisplayUnits(kUnitFahrenheit, kUnitHpa, kUnitMs, kUnitMm, kUnitLux);
    ConvertRecordToUserUnits(record, fahrenheit);
    ConvertRecordToUserUnits(record, fahrenheit);
    EXPECT_EQ(record.outTemp, "159.3");
}

} // namespace

#include "station/values/WeatherFmt.h"

#include "station/values/UnitNames.h"

#include <gtest/gtest.h>

namespace {

using Formatter = std::string (*)(const std::string&, float, std::string_view, std::string_view);

struct FormatCase {
    Formatter format;
    const char* text;
    float factor;
    std::string_view from;
    std::string_view to;
    const char* shown;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" x " << c.factor << " " << c.from << " -> " << c.to;
}

class Formatting : public testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, ShowsTheValueInTheTargetUnitsDecimals) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(c.format(c.text, c.factor, c.from, c.to), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Temperature, Formatting,
    testing::Values(
        FormatCase{FormatTemperature, "215", 0.1f, kUnitCelsius, kUnitFahrenheit, "70.7"},
        FormatCase{FormatTemperature, "215", 0.1f, kUnitCelsius, kUnitCelsius, "21.5"},
        FormatCase{FormatTemperature, "70.7", 1, kUnitFahrenheit, kUnitCelsius, "21.5"},
        FormatCase{FormatTemperature, "-55", 0.1f, kUnitCelsius, kUnitCelsius, "-5.5"},
        FormatCase{FormatTemperature, "-32767", 0.1f, kUnitCelsius, kUnitCelsius, "---"},
        FormatCase{FormatTemperature, "-32767.4", 1, kUnitCelsius, kUnitCelsius, "---"},
        FormatCase{FormatTemperature, "", 1, kUnitCelsius, kUnitFahrenheit, "---"},
        FormatCase{FormatTemperature, "---", 1, kUnitCelsius, kUnitFahrenheit, "---"},
        // A text without digits reads as 0.
        FormatCase{FormatTemperature, "abc", 1, kUnitCelsius, kUnitFahrenheit, "32.0"}));

INSTANTIATE_TEST_SUITE_P(
    Humidity, Formatting,
    testing::Values(FormatCase{FormatHumidity, "56", 1, kUnitPercent, kUnitPercent, "56"},
                    FormatCase{FormatHumidity, "56.9", 1, kUnitPercent, kUnitPercent, "56"},
                    FormatCase{FormatHumidity, "565", 0.1f, kUnitPercent, kUnitPercent, "56"},
                    FormatCase{FormatHumidity, "0", 1, kUnitPercent, kUnitPercent, "0"},
                    FormatCase{FormatHumidity, "255", 1, kUnitPercent, kUnitPercent, "---"},
                    FormatCase{FormatHumidity, "-1", 1, kUnitPercent, kUnitPercent, "---"},
                    FormatCase{FormatHumidity, "---", 1, kUnitPercent, kUnitPercent, "---"}));

INSTANTIATE_TEST_SUITE_P(
    Pressure, Formatting,
    testing::Values(FormatCase{FormatPressure, "10132", 0.1f, kUnitHpa, kUnitInHg, "29.92"},
                    FormatCase{FormatPressure, "10132", 0.1f, kUnitHpa, kUnitMmHg, "759.9"},
                    FormatCase{FormatPressure, "10132", 0.1f, kUnitHpa, kUnitHpa, "1013.2"},
                    FormatCase{FormatPressure, "29.92", 1, kUnitInHg, kUnitHpa, "1013.2"},
                    FormatCase{FormatPressure, "29.92", 1, kUnitInHg, kUnitMmHg, "760.0"},
                    FormatCase{FormatPressure, "2992", 0.01f, kUnitInHg, kUnitInHg, "29.92"},
                    // To a name it does not know: unchanged, in the source unit's decimals.
                    FormatCase{FormatPressure, "29.92", 1, kUnitInHg, "INHG", "29.92"},
                    FormatCase{FormatPressure, "1013.2", 1, kUnitHpa, "", "1013.2"},
                    FormatCase{FormatPressure, "0", 1, kUnitHpa, kUnitHpa, "---"},
                    FormatCase{FormatPressure, "0", 1, kUnitHpa, kUnitInHg, "---"},
                    FormatCase{FormatPressure, "-32767", 1, kUnitHpa, kUnitMmHg, "---"},
                    FormatCase{FormatPressure, "---", 1, kUnitHpa, kUnitMmHg, "---"}));

INSTANTIATE_TEST_SUITE_P(
    WindSpeed, Formatting,
    testing::Values(FormatCase{FormatWindSpeed, "139", 0.1f, kUnitMs, kUnitBft, "7"},
                    FormatCase{FormatWindSpeed, "13.9", 1, kUnitMs, kUnitBft, "6"},
                    FormatCase{FormatWindSpeed, "139", 0.1f, kUnitMs, kUnitKmh, "50.0"},
                    FormatCase{FormatWindSpeed, "5", 1, kUnitBft, kUnitKmh, "38.5"},
                    FormatCase{FormatWindSpeed, "55", 0.1f, kUnitBft, kUnitBft, "5"},
                    FormatCase{FormatWindSpeed, "5", 1, kUnitBft, "Bft", "5.0"},
                    FormatCase{FormatWindSpeed, "-32767", 0.1f, kUnitMs, kUnitMs, "---"},
                    FormatCase{FormatWindSpeed, "", 0.1f, kUnitMs, kUnitBft, "---"}));

INSTANTIATE_TEST_SUITE_P(
    Rain, Formatting,
    testing::Values(FormatCase{FormatRain, "25.4", 1, kUnitMm, kUnitInch, "1.00"},
                    FormatCase{FormatRain, "1", 1, kUnitInch, kUnitMm, "25.4"},
                    FormatCase{FormatRain, "100", 0.01f, kUnitInch, kUnitInch, "1.00"},
                    FormatCase{FormatRain, "100", 0.1f, kUnitMm, kUnitMm, "10.0"},
                    FormatCase{FormatRain, "1.5", 1, kUnitInch, "", "1.50"},
                    FormatCase{FormatRain, "1.5", 1, kUnitMm, "", "1.5"},
                    FormatCase{FormatRain, "-32767", 1, kUnitMm, kUnitMm, "---"}));

INSTANTIATE_TEST_SUITE_P(
    Light, Formatting,
    testing::Values(FormatCase{FormatLight, "1000", 0.1f, kUnitLux, kUnitLux, "100.0"},
                    FormatCase{FormatLight, "1076", 1, kUnitLux, kUnitFc, "100.00"},
                    FormatCase{FormatLight, "100", 1, kUnitFc, kUnitLux, "1076.0"},
                    FormatCase{FormatLight, "100", 1, kUnitLux, "", "100.00"},
                    // The record's raw light is not bounded here; only the sensor's no-value.
                    FormatCase{FormatLight, "5000000", 0.1f, kUnitLux, kUnitLux, "500000.0"},
                    FormatCase{FormatLight, "16777215", 0.1f, kUnitLux, kUnitLux, "---"},
                    FormatCase{FormatLight, "---", 0.1f, kUnitLux, kUnitLux, "---"}));

using FromMetricFormatter = std::string (*)(const std::string&, float, std::string_view);

struct FromMetricCase {
    FromMetricFormatter fromMetric;
    Formatter general;
    std::string_view metric;
    std::string_view other;
};

void PrintTo(const FromMetricCase& c, std::ostream* os) {
    *os << "from " << c.metric;
}

class FormattingFromMetric : public testing::TestWithParam<FromMetricCase> {};

TEST_P(FormattingFromMetric, IsTheFormatterWithTheMetricSource) {
    const FromMetricCase& c = GetParam();
    for (const char* text : {"", "---", "0", "12", "1013.2", "255"}) {
        for (const std::string_view to : {c.metric, c.other, std::string_view("?")}) {
            EXPECT_EQ(c.fromMetric(text, 1.0f, to), c.general(text, 1.0f, c.metric, to))
                << '"' << text << "\" to " << to;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryQuantity, FormattingFromMetric,
    testing::Values(FromMetricCase{FormatTemperatureFromMetric, FormatTemperature, kUnitCelsius,
                                   kUnitFahrenheit},
                    FromMetricCase{FormatHumidityFromMetric, FormatHumidity, kUnitPercent,
                                   kUnitPercent},
                    FromMetricCase{FormatPressureFromMetric, FormatPressure, kUnitHpa, kUnitInHg},
                    FromMetricCase{FormatWindSpeedFromMetric, FormatWindSpeed, kUnitMs, kUnitBft},
                    FromMetricCase{FormatRainFromMetric, FormatRain, kUnitMm, kUnitInch},
                    FromMetricCase{FormatLightFromMetric, FormatLight, kUnitLux, kUnitFc}));

TEST(FormatLightFromMetric, ShowsNothingAboveTheSensorsRange) {
    EXPECT_EQ(FormatLightFromMetric("400000.0", 1.0f, kUnitFc), "37174.72");
    EXPECT_EQ(FormatLightFromMetric("400000", 1.0f, kUnitLux), "400000.0");
    EXPECT_EQ(FormatLightFromMetric("400001", 1.0f, kUnitLux), "---");
    EXPECT_EQ(FormatLightFromMetric("-1", 1.0f, kUnitLux), "---");
    // The 32-bit 0.1 is slightly above one tenth: 4000000 raw tenths are just over the limit.
    EXPECT_EQ(FormatLightFromMetric("4000000", 0.1f, kUnitLux), "---");
    EXPECT_EQ(FormatLightFromMetric("3999999", 0.1f, kUnitLux), "399999.9");
}

struct IndexCase {
    const char* text;
    const char* index;
    const char* name;
    const char* uv;
};

void PrintTo(const IndexCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class IndexFormatting : public testing::TestWithParam<IndexCase> {};

TEST_P(IndexFormatting, AcceptsZeroToFifteen) {
    EXPECT_EQ(FormatDirectionIndex(GetParam().text), GetParam().index);
    EXPECT_EQ(FormatDirectionName(GetParam().text), GetParam().name);
    EXPECT_EQ(FormatUv(GetParam().text), GetParam().uv);
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, IndexFormatting,
    testing::Values(IndexCase{"0", "0", "N", "0"}, IndexCase{"7", "7", "SSE", "7"},
                    IndexCase{"11", "11", "SWW", "11"}, IndexCase{"15", "15", "NNW", "15"},
                    IndexCase{" 3", "3", "NEE", " 3"}, IndexCase{"16", "---", "---", "---"},
                    IndexCase{"-1", "---", "---", "---"}, IndexCase{"", "---", "---", "---"},
                    IndexCase{"---", "---", "---", "---"}));

} // namespace

#include "station/values/QuantityConversion.h"

#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

using Converter = float (*)(float, float, std::string_view, std::string_view);

struct PairCase {
    Converter convert;
    float value;
    float factor;
    std::string_view from;
    std::string_view to;
    const char* shown; // the result printed with two decimals
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.value << " x " << c.factor << " " << c.from << " -> " << c.to;
}

class UnitPair : public testing::TestWithParam<PairCase> {};

TEST_P(UnitPair, ConvertsTheScaledValue) {
    const PairCase& c = GetParam();
    EXPECT_EQ(PrintDecimals(c.convert(c.value, c.factor, c.from, c.to), 2), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Temperature, UnitPair,
    testing::Values(PairCase{ConvertTemperature, 25, 1, kUnitCelsius, kUnitFahrenheit, "77.00"},
                    PairCase{ConvertTemperature, 77, 1, kUnitFahrenheit, kUnitCelsius, "25.00"},
                    PairCase{ConvertTemperature, 215, 0.1f, kUnitCelsius, kUnitFahrenheit, "70.70"},
                    PairCase{ConvertTemperature, 215, 0.1f, kUnitCelsius, kUnitCelsius, "21.50"},
                    PairCase{ConvertTemperature, 25, 1, "C", kUnitFahrenheit, "25.00"}));

INSTANTIATE_TEST_SUITE_P(
    Pressure, UnitPair,
    testing::Values(PairCase{ConvertPressure, 10132, 0.1f, kUnitHpa, kUnitInHg, "29.92"},
                    PairCase{ConvertPressure, 1013.2f, 1, kUnitHpa, kUnitMmHg, "759.90"},
                    PairCase{ConvertPressure, 29.92f, 1, kUnitInHg, kUnitHpa, "1013.21"},
                    PairCase{ConvertPressure, 29.92f, 1, kUnitInHg, kUnitMmHg, "759.97"},
                    PairCase{ConvertPressure, 760, 1, kUnitMmHg, kUnitHpa, "1013.23"},
                    PairCase{ConvertPressure, 760, 1, kUnitMmHg, kUnitInHg, "29.92"},
                    PairCase{ConvertPressure, 1013.2f, 1, kUnitHpa, kUnitHpa, "1013.20"},
                    // Unit names are compared exactly: these match no row or column.
                    PairCase{ConvertPressure, 1013.2f, 1, "HPA", kUnitInHg, "1013.20"},
                    PairCase{ConvertPressure, 10132, 0.1f, kUnitHpa, "", "1013.20"}));

INSTANTIATE_TEST_SUITE_P(
    WindSpeed, UnitPair,
    testing::Values(PairCase{ConvertWindSpeed, 10, 1, kUnitMs, kUnitKmh, "36.00"},
                    PairCase{ConvertWindSpeed, 10, 1, kUnitMs, kUnitKnot, "19.43"},
                    PairCase{ConvertWindSpeed, 10, 1, kUnitMs, kUnitMph, "22.37"},
                    PairCase{ConvertWindSpeed, 139, 0.1f, kUnitMs, kUnitBft, "7.00"},
                    PairCase{ConvertWindSpeed, 36, 1, kUnitKmh, kUnitMs, "10.00"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitKmh, kUnitKnot, "53.97"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitKmh, kUnitMph, "62.14"},
                    PairCase{ConvertWindSpeed, 50, 1, kUnitKmh, kUnitBft, "6.00"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitKnot, kUnitMs, "51.47"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitKnot, kUnitKmh, "185.30"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitKnot, kUnitMph, "115.14"},
                    PairCase{ConvertWindSpeed, 20, 1, kUnitKnot, kUnitBft, "5.00"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitMph, kUnitMs, "44.70"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitMph, kUnitKmh, "160.93"},
                    PairCase{ConvertWindSpeed, 100, 1, kUnitMph, kUnitKnot, "86.85"},
                    PairCase{ConvertWindSpeed, 40, 1, kUnitMph, kUnitBft, "8.00"},
                    PairCase{ConvertWindSpeed, 5, 1, kUnitBft, kUnitMs, "10.70"},
                    PairCase{ConvertWindSpeed, 5, 1, kUnitBft, kUnitKmh, "38.52"},
                    PairCase{ConvertWindSpeed, 5, 1, kUnitBft, kUnitKnot, "20.79"},
                    PairCase{ConvertWindSpeed, 5, 1, kUnitBft, kUnitMph, "23.94"},
                    // A level is cut toward zero first; off the scale there is no speed.
                    PairCase{ConvertWindSpeed, 59, 0.1f, kUnitBft, kUnitMs, "10.70"},
                    PairCase{ConvertWindSpeed, 13, 1, kUnitBft, kUnitMs, "0.00"},
                    PairCase{ConvertWindSpeed, -1, 1, kUnitBft, kUnitMs, "0.00"},
                    PairCase{ConvertWindSpeed, 1e30f, 1, kUnitBft, kUnitMs, "0.00"},
                    // Between the same units nothing is cut or rounded.
                    PairCase{ConvertWindSpeed, 5.5f, 1, kUnitBft, kUnitBft, "5.50"}));

INSTANTIATE_TEST_SUITE_P(
    RainAndLight, UnitPair,
    testing::Values(PairCase{ConvertRain, 100, 1, kUnitMm, kUnitInch, "3.94"},
                    PairCase{ConvertRain, 1, 1, kUnitInch, kUnitMm, "25.40"},
                    PairCase{ConvertRain, 100, 1, kUnitInch, "Inch", "100.00"},
                    PairCase{ConvertLight, 400000, 1, kUnitLux, kUnitFc, "37174.72"},
                    PairCase{ConvertLight, 100, 1, kUnitFc, kUnitLux, "1076.00"},
                    PairCase{ConvertLight, 1000, 0.1f, kUnitLux, kUnitLux, "100.00"}));

TEST(ConvertWindSpeed, TheThirtyTwoBitValueDecidesTheBeaufortBand) {
    // 13.9 read from a text lies just below 13.9; 139 tenths times the 32-bit 0.1 just above.
    const float read = static_cast<float>(std::atof("13.9"));
    EXPECT_EQ(ConvertWindSpeed(read, 1.0f, kUnitMs, kUnitBft), 6.0f);
    EXPECT_EQ(ConvertWindSpeed(139.0f, 0.1f, kUnitMs, kUnitBft), 7.0f);
    EXPECT_EQ(ConvertWindSpeed(static_cast<float>(std::atof("20.8")), 1.0f, kUnitMs, kUnitBft),
              8.0f);
    EXPECT_EQ(ConvertWindSpeed(208.0f, 0.1f, kUnitMs, kUnitBft), 9.0f);
}

struct FromMetricCase {
    float (*convert)(float, float, std::string_view);
    Converter general;
    std::string_view metric;
    std::string_view other;
};

void PrintTo(const FromMetricCase& c, std::ostream* os) {
    *os << "from " << c.metric;
}

class FromMetric : public testing::TestWithParam<FromMetricCase> {};

TEST_P(FromMetric, TakesTheMetricUnitAsSource) {
    const FromMetricCase& c = GetParam();
    for (const float value : {-40.0f, 0.0f, 12.5f, 1013.2f}) {
        EXPECT_EQ(c.convert(value, 0.1f, c.other), c.general(value, 0.1f, c.metric, c.other));
        EXPECT_EQ(c.convert(value, 1.0f, c.metric), value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryQuantity, FromMetric,
    testing::Values(FromMetricCase{ConvertTemperatureFromMetric, ConvertTemperature, kUnitCelsius,
                                   kUnitFahrenheit},
                    FromMetricCase{ConvertPressureFromMetric, ConvertPressure, kUnitHpa, kUnitMmHg},
                    FromMetricCase{ConvertWindSpeedFromMetric, ConvertWindSpeed, kUnitMs,
                                   kUnitKnot},
                    FromMetricCase{ConvertRainFromMetric, ConvertRain, kUnitMm, kUnitInch},
                    FromMetricCase{ConvertLightFromMetric, ConvertLight, kUnitLux, kUnitFc}));

} // namespace

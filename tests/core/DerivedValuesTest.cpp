#include "station/values/DerivedValues.h"

#include "station/values/ValueText.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(RelativePressure, MovesTheFirstPressureByTheOffsetOfTheOtherTwo) {
    EXPECT_EQ(PrintDecimals(RelativePressure(1009.5f, 1009.5f, 1013.2f), 1), "1013.2");
    EXPECT_EQ(PrintDecimals(RelativePressure(1000.0f, 1009.5f, 1013.2f), 1), "1003.7");
}

struct DewPointCase {
    float t, rh;
    const char* shown;
};

void PrintTo(const DewPointCase& c, std::ostream* os) {
    *os << c.t << " C, " << c.rh << " %";
}

class DewPointOf : public testing::TestWithParam<DewPointCase> {};

TEST_P(DewPointOf, TemperatureAndHumidity) {
    EXPECT_EQ(PrintDecimals(DewPoint(GetParam().t, GetParam().rh), 2), GetParam().shown);
}

// At 100 % the console's two sets of constants leave the dew point just off the temperature.
INSTANTIATE_TEST_SUITE_P(Examples, DewPointOf,
                         testing::Values(DewPointCase{30.0f, 100.0f, "30.03"},
                                         DewPointCase{21.5f, 50.0f, "10.67"},
                                         DewPointCase{0.0f, 80.0f, "-3.04"},
                                         DewPointCase{-10.0f, 60.0f, "-16.31"}));

TEST(DewPoint, HasNoFiniteValueWithoutHumidity) {
    EXPECT_FALSE(std::isfinite(DewPoint(20.0f, 0.0f)));
}

struct WindChillCase {
    float t, v;
    const char* shown;
};

void PrintTo(const WindChillCase& c, std::ostream* os) {
    *os << c.t << " C, " << c.v << " m/s";
}

class WindChillOf : public testing::TestWithParam<WindChillCase> {};

TEST_P(WindChillOf, TemperatureAndWind) {
    EXPECT_EQ(PrintDecimals(WindChill(GetParam().t, GetParam().v), 2), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WindChillOf,
    testing::Values(WindChillCase{10.0f, 4.0f, "5.34"}, WindChillCase{0.0f, 10.0f, "-13.68"},
                    WindChillCase{21.5f, 4.0f, "19.17"},
                    // Too warm, or too little wind, to chill.
                    WindChillCase{10.0f, 1.7f, "10.00"}, WindChillCase{33.5f, 20.0f, "33.50"},
                    WindChillCase{-20.0f, 1.7f, "-20.00"},
                    // At 33 °C the formula itself gives 33.
                    WindChillCase{33.0f, 1.8f, "33.00"}, WindChillCase{33.0f, 30.0f, "33.00"}));

} // namespace

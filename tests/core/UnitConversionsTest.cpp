#include "station/UnitConversions.h"

#include "station/ValueText.h"

#include <gtest/gtest.h>

namespace {

struct ConversionCase {
    const char* name;
    float (*convert)(float);
    float input;
    int decimals;
    const char* shown;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name << "(" << c.input << ")";
}

class ElementaryConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(ElementaryConversion, GivesTheValueShownWithTheRoundedFactors) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(PrintDecimals(c.convert(c.input), c.decimals), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    EveryConversion, ElementaryConversion,
    testing::Values(ConversionCase{"CelsiusToFahrenheit", CelsiusToFahrenheit, 25.0f, 1, "77.0"},
                    ConversionCase{"CelsiusToFahrenheit", CelsiusToFahrenheit, -40.0f, 1, "-40.0"},
                    ConversionCase{"FahrenheitToCelsius", FahrenheitToCelsius, 77.0f, 1, "25.0"},
                    ConversionCase{"FahrenheitToCelsius", FahrenheitToCelsius, 140.0f, 1, "60.0"},
                    ConversionCase{"HpaToInHg", HpaToInHg, 1013.2f, 2, "29.92"},
                    ConversionCase{"InHgToHpa", InHgToHpa, 29.92f, 1, "1013.2"},
                    ConversionCase{"HpaToMmHg", HpaToMmHg, 1013.2f, 1, "759.9"},
                    ConversionCase{"MmHgToHpa", MmHgToHpa, 760.0f, 1, "1013.2"},
                    ConversionCase{"MmHgToInHg", MmHgToInHg, 760.0f, 2, "29.92"},
                    ConversionCase{"InHgToMmHg", InHgToMmHg, 29.92f, 1, "760.0"},
                    ConversionCase{"MsToKmh", MsToKmh, 10.0f, 1, "36.0"},
                    ConversionCase{"MsToKnot", MsToKnot, 10.0f, 2, "19.43"},
                    ConversionCase{"MsToMph", MsToMph, 10.0f, 2, "22.37"},
                    ConversionCase{"KmhToMs", KmhToMs, 36.0f, 2, "10.00"},
                    ConversionCase{"KmhToKnot", KmhToKnot, 100.0f, 2, "53.97"},
                    ConversionCase{"KmhToMph", KmhToMph, 100.0f, 2, "62.14"},
                    ConversionCase{"KnotToMs", KnotToMs, 100.0f, 2, "51.47"},
                    ConversionCase{"KnotToKmh", KnotToKmh, 100.0f, 2, "185.30"},
                    ConversionCase{"KnotToMph", KnotToMph, 100.0f, 2, "115.14"},
                    ConversionCase{"MphToMs", MphToMs, 100.0f, 2, "44.70"},
                    ConversionCase{"MphToKmh", MphToKmh, 100.0f, 2, "160.93"},
                    ConversionCase{"MphToKnot", MphToKnot, 100.0f, 2, "86.85"},
                    ConversionCase{"RainCountToMm", RainCountToMm, 10.0f, 1, "3.0"},
                    ConversionCase{"MmToInch", MmToInch, 100.0f, 3, "3.937"},
                    ConversionCase{"InchToMm", InchToMm, 1.0f, 1, "25.4"},
                    ConversionCase{"FcToLux", FcToLux, 100.0f, 1, "1076.0"},
                    ConversionCase{"LuxToFc", LuxToFc, 400000.0f, 2, "37174.72"}));

} // namespace

#include "station/values/ValueText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string Printed(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Every value is printed as printf prints it: floats (what the sums and conversions give),
// doubles, ties at every decimal count, both zeros, and values printf alone can print.
TEST(PrintDecimals, PrintsWhatPrintfPrints) {
    std::vector<double> values = {0.0,    -0.0, 0.05,    0.25,   -0.25,  0.125, 2.5,
                                  -2.5,   0.35, 1013.25, 999.95, -0.04,  1e300, -1e20,
                                  4.5e15, 9e15, 1e-300,  0.0005, 123.456};
    values.push_back(std::numeric_limits<double>::infinity());
    values.push_back(-std::numeric_limits<double>::infinity());
    values.push_back(std::numeric_limits<double>::quiet_NaN());
    std::mt19937 random(12);
    std::uniform_real_distribution<float> floats(-20000.0f, 20000.0f);
    std::uniform_int_distribution<int> tenths(-200000, 200000);
    std::uniform_real_distribution<double> doubles(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(floats(random));
        values.push_back(static_cast<float>(tenths(random) / 10.0));
        values.push_back(tenths(random) / 40.0); // quarters and eighths: exact ties
        values.push_back(doubles(random));
    }
    for (const double value : values) {
        for (const int decimals : {0, 1, 2, 3, 6})
            ASSERT_EQ(PrintDecimals(value, decimals), Printed(value, decimals))
                << value << " with " << decimals;
    }
}

// What the C library reads from a text: atoi's leading integer (held at the int range), atof's
// number, and whether the text is empty or "---".
TextNumber LibraryReading(const std::string& text) {
    const long long leading = std::strtoll(text.c_str(), nullptr, 10);
    return {text.empty() || text == "---",
            static_cast<int>(std::clamp<long long>(leading, INT_MIN, INT_MAX)),
            std::atof(text.c_str())};
}

TEST(ReadTextNumber, ReadsWhatTheCLibraryReads) {
    std::vector<std::string> texts = {
        "",           "---",          "-",       "0",
        "-0",         "-0.0",         "12.",     ".5",
        "1e5",        " 12",          "12 ",     "+3.5",
        "2147483648", "-99999999999", "003.250", "1.5x",
        "abc",        "-32767.4",     "65535",   "123456789012345678901234567890.5"};
    std::mt19937 random(5);
    std::uniform_int_distribution<int> length(1, 22);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> shape(0, 3);
    for (int i = 0; i < 20000; ++i) {
        std::string text = shape(random) == 0 ? "-" : "";
        const int digits = length(random);
        const int point = shape(random) == 0 ? -1 : digit(random) % digits;
        for (int d = 0; d < digits; ++d) {
            text += static_cast<char>('0' + digit(random));
            if (d == point)
                text += '.';
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const TextNumber read = ReadTextNumber(text);
        const TextNumber expected = LibraryReading(text);
        ASSERT_EQ(read.missing, expected.missing) << text;
        ASSERT_EQ(read.leading, expected.leading) << text;
        ASSERT_EQ(read.value, expected.value) << text;
        ASSERT_EQ(std::signbit(read.value), std::signbit(expected.value)) << text;
    }
}

} // namespace

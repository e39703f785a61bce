#include "station/ValueText.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

bool IsMissingText(const std::string& text) {
    return text.empty() || text == kNoValueText;
}

bool IsNoValueText(const std::string& text) {
    return IsMissingText(text) || ReadInt(text) == kNoValueNumber;
}

int ReadInt(const std::string& text) {
    // atoi's reading, saturated at the int range where atoi's result would be undefined.
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

float ReadFloat(const std::string& text) {
    return static_cast<float>(std::atof(text.c_str()));
}

float ReadScaled(const std::string& text, float factor) {
    return static_cast<float>(std::atof(text.c_str()) * factor);
}

std::string PrintDecimals(double value, int decimals) {
    // Wide enough for the largest float with its decimals.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string PrintFloat(double value) {
    return PrintDecimals(value, 6);
}

namespace {

int WholeNumber(double value) {
    const double whole = std::trunc(value);
    if (whole >= INT_MAX)
        return INT_MAX;
    if (whole <= INT_MIN)
        return INT_MIN;
    return std::isnan(whole) ? 0 : static_cast<int>(whole);
}

} // namespace

std::string PrintWhole(double value) {
    return std::to_string(WholeNumber(value));
}

double ReadBackDecimals(float value, int decimals) {
    const double scale = decimals >= 2 ? 100.0 : decimals == 1 ? 10.0 : 1.0;
    return std::nearbyint(static_cast<double>(value) * scale) / scale;
}

double ReadBackWhole(double value) {
    return WholeNumber(value);
}

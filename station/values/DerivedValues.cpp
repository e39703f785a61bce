#include "station/values/DerivedValues.h"

#include <cmath>

float RelativePressure(float a, float b, float c) {
    return static_cast<float>(double{a} - b + c);
}

float DewPoint(float t, float rh) {
    // Saturation vapour pressure in kPa; the constants are the console's 32-bit ones.
    const double saturation = 6.107f * std::pow(10.0, 7.6f * double{t} / (t + double{240.7f})) / 10;
    const double vapour = rh * saturation / 100;
    const double l = std::log(vapour / 0.61078f);
    return static_cast<float>(241.88f * l / (17.558f - l));
}

float WindChill(float t, float v) {
    if (t > 33.0f || v < 1.8f) {
        return t;
    }
    const double cooling = 0.417f * std::sqrt(double{v}) + 0.55f - 0.0454f * double{v};
    return static_cast<float>(33 - cooling * (33 - double{t}));
}

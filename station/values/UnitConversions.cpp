#include "station/values/UnitConversions.h"

namespace {

// The factor stays a 32-bit constant (0.1f is 0.100000001490116); only the product is wide.
float Times(float x, float factor) {
    return static_cast<float>(double{x} * factor);
}

float TimesRatio(float x, float numerator, float denominator) {
    return static_cast<float>(double{x} * numerator / denominator);
}

} // namespace

float CelsiusToFahrenheit(float x) {
    return static_cast<float>(double{x} * 9.0f / 5.0f + 32.0f);
}

float FahrenheitToCelsius(float x) {
    return static_cast<float>((double{x} - 32.0f) * 5.0f / 9.0f);
}

float HpaToInHg(float x) {
    return TimesRatio(x, 2.953f, 100.0f);
}

float InHgToHpa(float x) {
    return Times(x, 33.864f);
}

float HpaToMmHg(float x) {
    return TimesRatio(x, 7.5f, 10.0f);
}

float MmHgToHpa(float x) {
    return Times(x, 1.3332f);
}

float MmHgToInHg(float x) {
    return TimesRatio(x, 3.937f, 100.0f);
}

float InHgToMmHg(float x) {
    return Times(x, 25.4f);
}

float MsToKmh(float x) {
    return Times(x, 3.6f);
}

float MsToKnot(float x) {
    return Times(x, 1.9428f);
}

float MsToMph(float x) {
    return Times(x, 2.237f);
}

float KmhToMs(float x) {
    return Times(x, 0.2778f);
}

float KmhToKnot(float x) {
    return Times(x, 0.5397f);
}

float KmhToMph(float x) {
    return Times(x, 0.6214f);
}

float KnotToMs(float x) {
    return Times(x, 0.5147f);
}

float KnotToKmh(float x) {
    return Times(x, 1.853f);
}

float KnotToMph(float x) {
    return Times(x, 1.1514f);
}

float MphToMs(float x) {
    return Times(x, 0.447f);
}

float MphToKmh(float x) {
    return Times(x, 1.6093f);
}

float MphToKnot(float x) {
    return Times(x, 0.8685f);
}

float RainCountToMm(float x) {
    return Times(x, 0.3f);
}

float MmToInch(float x) {
    return Times(x, 0.03937f);
}

float InchToMm(float x) {
    return Times(x, 25.4f);
}

float FcToLux(float x) {
    return Times(x, 10.76f);
}

float LuxToFc(float x) {
    return TimesRatio(x, 1.0f, 10.76f);
}

#pragma once

// The elementary conversions between display units. Their factors are the rounded values the
// console's own display uses, held as 32-bit floats, so a pair is not an exact inverse:
// 1013.2 hPa gives 29.92 inHg, and 29.92 inHg gives 1013.2 hPa only after rounding to one
// decimal. Each works in double and rounds to float once, on return.

float CelsiusToFahrenheit(float x);
float FahrenheitToCelsius(float x);

float HpaToInHg(float x);
float InHgToHpa(float x);
float HpaToMmHg(float x);
float MmHgToHpa(float x);
float MmHgToInHg(float x);
float InHgToMmHg(float x);

float MsToKmh(float x);
float MsToKnot(float x);
float MsToMph(float x);
float KmhToMs(float x);
float KmhToKnot(float x);
float KmhToMph(float x);
float KnotToMs(float x);
float KnotToKmh(float x);
float KnotToMph(float x);
float MphToMs(float x);
float MphToKmh(float x);
float MphToKnot(float x);

// One step of the console's rain counter is 0.3 mm.
float RainCountToMm(float x);
float MmToInch(float x);
float InchToMm(float x);

float FcToLux(float x);
float LuxToFc(float x);

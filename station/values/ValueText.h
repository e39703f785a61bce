#pragma once

#include <string>
#include <string_view>

// Station values travel as decimal texts. These are the shared rules for reading and writing
// them: the no-value marks, the C library's readings (only a leading number counts) and
// printf's rounding.

// What every formatter writes for a value that is missing.
inline constexpr const char* kNoValueText = "---";
// The console's 16-bit "no value" word, as its texts read.
inline constexpr int kNoValueNumber = -32767;
// The console's humidity byte for "no reading".
inline constexpr int kNoHumidityNumber = 255;

// True for the empty text and for "---".
bool IsMissingText(std::string_view text);
// True for a missing text and for one whose leading integer is -32767 ("-32767.4" too).
bool IsNoValueText(const std::string& text);

// The leading integer of a text, as atoi reads it; 0 when there is none. Beyond the int
// range it gives the range's ends.
int ReadInt(const std::string& text);

// Everything a formatter reads of a text, in one reading.
struct TextNumber {
    bool missing = true; // IsMissingText
    int leading = 0;     // ReadInt
    double value = 0;    // ReadDouble
};
TextNumber ReadTextNumber(std::string_view text);
// IsNoValueText of the text that was read.
bool IsNoValue(const TextNumber& number);
// The leading number of a text, as atof reads it.
double ReadDouble(const std::string& text);
// The same rounded to a 32-bit float.
float ReadFloat(const std::string& text);
// The text's number scaled by a 32-bit factor, the product rounded to a 32-bit float.
float ReadScaled(const std::string& text, float factor);

// A value with a fixed number of decimals, rounded as printf rounds.
std::string PrintDecimals(double value, int decimals);
// A value with six decimals ("%f"), the form of freshly derived values.
std::string PrintFloat(double value);
// A value cut toward zero to a whole number; values beyond the int range give its ends and a
// value that is not a number gives 0.
std::string PrintWhole(double value);

// The numbers those texts read back as by atof, without making the texts, for readers that
// keep numbers. Exact for a 32-bit float value and 0 to 2 decimals: the value times 100 is
// exact in a double, and both roundings go to the nearest, ties to even.
double ReadBackDecimals(float value, int decimals);
double ReadBackWhole(double value);

#pragma once

#include <string>

// Station values reach the gauges as decimal texts; "---" (or nothing) means no reading.
bool IsNoValueText(const std::string& text);

// The leading decimal number of a text as atof reads it, in single precision.
float ValueTextToFloat(const std::string& text);

// The leading integer of a text as atoi reads it, saturated at the int range instead of
// overflowing; a text without one reads as 0.
int ValueTextToInt(const std::string& text);

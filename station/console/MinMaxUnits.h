#pragma once

#include "station/console/WeatherSet.h"

// Turns the min/max values of a freshly decoded block (the console's integers) into texts in
// the display units the same settings name, and the console's "never set" time stamps into
// "---". For a copy that is only shown: the result must never be written back to the console.
void ConvertMinMaxToUserUnits(CWeatherSettings& settings);

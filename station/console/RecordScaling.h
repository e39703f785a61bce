#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"

// The two other forms of a decoded record.

// From the console's raw integers to the metric texts the data file stores: one decimal for
// temperatures, pressures, speeds, rain and light, whole numbers for humidity, Beaufort levels,
// direction and UV, plus the derived values. Apply it once, with the settings read from the
// console in the same cycle (their pressures still raw tenths). Without radio contact to the
// outdoor unit (flag7) the running rain total is not trusted and shows no value.
void ScaleRecordToMetric(CWeatherRecord& record, const CWeatherSettings& settings);

// From the metric form to the display units the settings name, just before a record is shown or
// plotted. rainMm, increment, rain and the Beaufort levels stay metric. Applying it twice
// converts twice.
void ConvertRecordToUserUnits(CWeatherRecord& record, const CWeatherSettings& settings);

#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"

// The derived fields of a record, worked out from its value texts scaled by `factor` (0.1 while
// they are the console's raw tenths, 1.0 once they are values). Each writes "%f" texts (rain in
// mm "%.1f"), or the empty text when an input has no value.

// relPres: the record's absPres moved by the console's current offset between its relative and
// absolute pressure (the settings' relPres and absPres, scaled by the same factor).
void DeriveRelativePressure(CWeatherRecord& record, float factor, const CWeatherSettings& settings);

// dewPoint from outTemp (scaled) and outHumi (a whole percentage, never scaled). At a humidity
// of 0 there is no dew point and the field gets "---".
void DeriveDewPoint(CWeatherRecord& record, float factor);

// windChill from outTemp and winds; a record without wind gets its temperature.
void DeriveWindChill(CWeatherRecord& record, float factor);

// rainMm from the rain counter; without a counter value both rain and rainMm become empty.
void DeriveRainMm(CWeatherRecord& record);

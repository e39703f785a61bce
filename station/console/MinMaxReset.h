#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"

// Resetting the console's minimum and maximum records: a record takes the current reading and
// its time. Everything stays in the console's own integers, as the block is decoded.

// The reading a reset takes its values from: `reading` as read from the console, with its
// relative pressure derived by the offset of `block` and its dew point and wind chill derived
// from degrees and put back into tenths of a degree.
CWeatherRecord ReadingForMinMaxReset(const CWeatherRecord& reading, const CWeatherSettings& block);

// Sets the min/max record whose value field is `value` to the current reading of `prepared`
// (from ReadingForMinMaxReset) and its time to the reading's time. Humidities take the
// reading's text as it is, every other value its leading integer (0 for a missing value); the
// rain maxima have no current value in a reading and become 0. False, and nothing changed,
// for a field that is no min/max record.
bool ResetMinMaxRecord(CWeatherSettings& block, std::string CWeatherSettings::*value,
                       const CWeatherRecord& prepared);

// The time field of the min/max record whose value field is `value`; nullptr for a field that
// is no min/max record.
std::string CWeatherSettings::*MinMaxTimeField(std::string CWeatherSettings::*value);

#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"

#include <optional>
#include <string>

// The start every benchmark makes: the data file of "--data FILE" given to the program's
// data-file store, which keeps only its path (each figure's child opens the file for itself),
// in the time zone the generated records were written in. Returns the file's newest record;
// nothing, with the usage or the problem printed, when there is no file or no record.
std::optional<CWeatherRecord> OpenBenchData(int argc, char** argv, std::string& path);

// The display units of the data file itself, the metric ones: cells show the stored values.
CWeatherSettings MetricDisplayUnits();

#pragma once

#include "station/records/RainWalk.h"

#include <string>
#include <vector>

// The rain sums of a record walk the stored records from the newest back to the first one of
// another month that has a rain value (records without one are passed over), and no further.
// So the stored records they need are a tail of the data file, a month long at most.

// How many times the rain sums wait 100 ms for a busy data file. Longer than other operations:
// sums taken over no stored records would start the running rain total again from 0.
inline constexpr int kRainSumBusyWaits = 30;

// Puts into `rows`, oldest first, the stored records that have a rain value, as LoadAllRecords
// would give them, from the newest one back to the first one at which the rain walk of a
// record of each of `times` ends (or all of them, when the walk of one would pass the oldest).
// Reads the data file from its end only as far as that, and only the fields the sums read; the
// rows of the last call are given again while the file has not changed.
// Takes the busy flag with kRainSumBusyWaits waits; returns false, leaving `rows` as it was,
// when the file stayed busy or could not be read.
bool LoadRainRows(const std::vector<std::string>& times, std::vector<RainRow>& rows);

#pragma once

#include "station/console/WeatherRecord.h"
#include "station/threads/StatusText.h"

// The console counts rain only as a counter (0.3 mm per count, wrapping at 65536 counts); the
// rain of a record since the one before it and its hour, day, week, month and total rain are
// summed here, against the records already stored. All rain fields are texts in mm, "%.1f".

// Fills the rain fields of `record` from its rain counter in mm (rainMm) and the `stored`
// records (oldest first):
// - increment: the rise of the counter since the newest stored record that has a rain value.
//   A fall that a counter wrap explains with a rise of at most 153.6 mm is such a wrap, and
//   rainMm is then raised by the wrap (19660.8 mm) so that the next record continues from it;
//   any other fall, and a rise above 153.6 mm, counts as no rain.
// - totalRain: that record's total plus the increment.
// - hourRain, dayRain, weekRain: the increment plus the increments of the stored records,
//   newest first, down to the first one outside the record's calendar period, whose own
//   increment does not count. Weeks begin on Sunday. The hour that the clock shows twice when
//   daylight saving ends is two hours, which the chain of times and intervals of the stored
//   records and the record tells apart (MarkHourAgain).
// - monthRain: the same for the month; the walk over the stored records ends at the first one
//   of another month, so no sum reaches back further than the record's month.
// Stored records without a rain value are passed over. Without stored records every sum is 0.
// A record without a rain value gets "---" in all seven rain fields, and the result is false.
bool AccumulateRain(CWeatherRecord& record, const CWeatherRecordArray& stored);

// Sums the rain of freshly downloaded `records` (newest first) in place, oldest first, each
// against the stored records and the downloaded ones older than it, and reports the progress
// to `window` as status texts, each percentage once. When the data file stays busy, the records'
// increments and sums are set to "---" instead. Returns true.
bool AccumulateRainForList(CWeatherRecordArray& records, IStatusTextTarget* window);

// Sums the rain of the live record, dated by the clock just now, against the stored records: in
// the hour that the end of daylight saving repeats, the clock tells which time round its time
// is. Reads the data file from its end only as far back as the sums reach. When the data file
// stays busy, the record's increment and sums are set to "---" instead. Returns true.
bool AccumulateRainForRecord(CWeatherRecord& record);

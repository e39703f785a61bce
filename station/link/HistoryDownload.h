#pragma once

#include "station/console/HistoryRing.h"
#include "station/console/WeatherRecord.h"

#include <functional>

class CWeatherComm;
struct CWeatherSettings;
class IStatusTextTarget;

// The history download reads the ring backwards from the record before the newest, dating each
// record backwards from now by the intervals of the records after it, until it meets the newest
// record of the data file again or has tried as many slots as the console holds complete records.
// Met again, the stored record's time is the better anchor: the new records are dated forwards from
// it. A list whose times fit neither the stored record nor the current time is dropped whole; the
// next download tries again. So is a download stopped half way, when the program ends: it delivers
// nothing, and the next one fetches the same records again from the console.

// The most slots one download tries: every complete record of a full ring.
inline constexpr int kMostDownloadedRecords = kHistorySlotCount - 1;

// Reads over `comm` the records the data file does not hold yet, newest first, with their times
// rebuilt from their intervals, and returns how many it delivered. `settings` holds a freshly
// read fixed block; one progress text per record goes to `window`. Before each record it asks
// `stopRequested` (when given): once that says yes, the download is abandoned, delivering
// nothing. Like the console operations, it takes no device-busy flag: the caller does.
int DownloadHistory(CWeatherComm& comm, CWeatherRecordArray& records,
                    const CWeatherSettings& settings, IStatusTextTarget* window,
                    const std::function<bool()>& stopRequested = {});

// Whether `fresh`, just read and dated backwards, is `stored`, the data file's newest record:
// the same console address, and a time at most two of the largest intervals seen in this
// download (`largestMinutes`) after the stored time, or any time before it. A stored record
// without a time never matches.
bool IsSameRecord(const CWeatherRecord& stored, const CWeatherRecord& fresh, int largestMinutes);

#pragma once

#include "station/console/HistoryRing.h"
#include "station/console/WeatherRecord.h"

#include <ctime>
#include <functional>

class CWeatherComm;
struct CWeatherSettings;
class IStatusTextTarget;

// The history download reads the ring backwards from the record before the newest, dating each
// record backwards from now by the intervals of the records after it, until it meets the newest
// record of the data file again or has tried as many slots as the console holds complete records.
// The stored record is met at its console address, whatever the PC's clock did since, when the
// slot still holds its very bytes; the record before the newest, so, always: the console has
// recorded nothing new. Met again, the stored record is the better anchor while the
// clock is steady: the new records are dated forwards from it. When that chain does not fit
// between the stored record and the clock (the clock was set back or forward, or the console
// paused), the new records keep their backward dates, by the clock the program has now. Times
// are compared as instants, so the hour that the end of daylight saving repeats is no jump. A
// download stopped half way, when the program ends, delivers nothing, and the next one fetches
// the same records again from the console.

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

// Whether `fresh`, just read and dated backwards to `freshTime`, is `stored`, the data file's
// newest record: the same console address, and a time at most two of the largest intervals seen
// in this download (`largestMinutes`) after the stored time, or any time before it. A slot that
// holds the stored record's bytes is allowed half a ring of those intervals instead, so that a
// PC clock set forward does not hide the stored record. A stored record without a time never
// matches.
bool IsSameRecord(const CWeatherRecord& stored, const CWeatherRecord& fresh, time_t freshTime,
                  int largestMinutes);

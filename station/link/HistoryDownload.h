#pragma once

#include "station/console/HistoryRing.h"
#include "station/console/WeatherRecord.h"

#include <ctime>
#include <functional>
#include <map>

class CWeatherComm;
struct CWeatherSettings;
class IStatusTextTarget;

// The history download reads the ring backwards from the record before the newest, dating each
// record backwards from now by the intervals of the records after it, until it meets the newest
// record of the data file again or has tried as many slots as the console holds complete records.
//
// The bytes decide which slot holds the stored record: its slot still holding its very 20 bytes
// is the stored record, however the PC's clock moved since, unless the slot before it no longer
// holds the data file's record before it (the console's ring went round meanwhile); a slot
// holding other bytes is not, whatever the clock says. Only for a stored record whose bytes the
// data file does not keep does the clock decide, by a window of two intervals.
//
// Met again, the stored record is the better anchor while the clock is steady: the new records
// are dated forwards from it. When that chain does not fit the clock (the clock was set back or
// forward, or the console paused), the new records keep their backward dates, by the clock the
// program has now. Times are compared as instants, so the hour that the end of daylight saving
// repeats is no jump.
//
// A slot is read a few times before its read counts as failed. A failed slot before the stored
// record is met makes the whole download deliver nothing: the next one reads it all again, so
// that no record is lost or dated wrongly. Only a slot that fails in
// kDownloadsBeforeSlotIsLost downloads in a row is given up: its record is lost, the others are
// delivered, dated as if it were there with the console's interval. A download stopped half way,
// when the program ends, delivers nothing either, and the next one fetches the same records.

// The most slots one download tries: every complete record of a full ring.
inline constexpr int kMostDownloadedRecords = kHistorySlotCount - 1;
// The downloads in a row that fail at one slot before its record is given up.
inline constexpr int kDownloadsBeforeSlotIsLost = 3;

// The slots whose reads failed, by console address, each with the number of downloads that
// failed there since it was last read. The caller keeps it from one download to the next.
using UnreadableSlots = std::map<int, int>;

struct DownloadResult {
    int count = 0; // records delivered
    // A slot could not be read before the stored record was met: nothing was delivered.
    bool incomplete = false;
    int lost = 0; // slots given up in this download, their records not delivered
};

// Reads over `comm` the records the data file does not hold yet, newest first, with their times
// rebuilt from their intervals. `settings` holds a freshly read fixed block; one progress text
// per slot goes to `window`; `unreadable` carries the failed slots from download to download.
// Before each record it asks `stopRequested` (when given): once that says yes, the download is
// abandoned, delivering nothing. Like the console operations, it takes no device-busy flag: the
// caller does.
DownloadResult DownloadHistory(CWeatherComm& comm, CWeatherRecordArray& records,
                               const CWeatherSettings& settings, IStatusTextTarget* window,
                               UnreadableSlots& unreadable,
                               const std::function<bool()>& stopRequested = {});

// Whether the slot of `fresh`, just read and dated backwards to `freshTime`, holds `stored`, the
// data file's newest record, as far as the two records tell: the same console address, and the
// same bytes; when the data file keeps no bytes of it, a time at most two of the largest
// intervals seen in this download (`largestMinutes`) after the stored time, or any time before
// it. A stored record without a time never matches.
bool IsSameRecord(const CWeatherRecord& stored, const CWeatherRecord& fresh, time_t freshTime,
                  int largestMinutes);

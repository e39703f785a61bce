#include "station/link/HistoryDownload.h"

#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"
#include "station/records/RecordLayer.h"
#include "station/threads/StatusText.h"
#include "station/values/AppendPrintf.h"
#include "station/values/Clock.h"
#include "station/values/TimeText.h"
#include "texts/Env.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDataReadText = 149; // "Data has been read."
constexpr time_t kSecondsPerMinute = 60;
// A time text no longer than a date carries no time.
constexpr std::size_t kDateLength = 10;
// A slot that holds the stored record's very bytes is that record unless, dated backwards, it
// lies half a ring of intervals or more after it: only then has the console gone round its ring
// since, and written a record of equal bytes into the slot. A PC clock set forward moves the
// backward dates by far less.
constexpr int kSameBytesWindowIntervals = kHistorySlotCount / 2;
constexpr std::size_t kHexDigitsPerRecord = 2 * kHistoryRecordSize;

int Minutes(const std::string& interval) {
    return std::atoi(interval.c_str());
}

void ShowProgress(IStatusTextTarget* window, int attempt) {
    std::snprintf(g_statusText, kStatusTextSize, "%d %s ...", attempt, Tr(kDataReadText));
    SetStatusText(window, g_statusText);
}

// The record's console bytes as hex digits without blanks; empty when its hex text holds no
// whole record, as in a line written without them.
std::string ConsoleBytes(const std::string& hexValue) {
    std::string digits;
    for (const char c : hexValue) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        else if (c != ' ')
            return {};
    }
    return digits.size() == kHexDigitsPerRecord ? digits : std::string();
}

// A stored record without a time is never met again: nothing could date the records after it.
bool HasTime(const CWeatherRecord& stored) {
    return stored.recordTime.size() > kDateLength;
}

// Whether the slot of `fresh` holds the stored record's very bytes.
bool HoldsStoredBytes(const CWeatherRecord& stored, const CWeatherRecord& fresh) {
    const std::string bytes = ConsoleBytes(stored.hexValue);
    return stored.hexAddr == fresh.hexAddr && !bytes.empty() &&
           bytes == ConsoleBytes(fresh.hexValue);
}

// The records (newest first) were read back to the stored record and dated backwards from now,
// the stored one to `metAt`. While the PC's clock is steady the stored record dates them better:
// forwards from it by their intervals. That chain fits when the stored record was met within two
// of the largest intervals after its time, the oldest record, dated backwards, lies no more than
// two of the stored record's intervals before it (a), and the newest, dated forwards, no more
// than two of its own intervals after now (b). Otherwise the PC's clock was set, or the console
// paused, since the stored record: the backward dates stand, by the clock the program has now.
void DateRecords(CWeatherRecordArray& records, const CWeatherRecord& stored, time_t metAt,
                 int largest) {
    const time_t storedAt = TextToTimeNear(stored.recordTime, metAt);
    if (metAt - storedAt > 2 * largest * kSecondsPerMinute)
        return;
    const time_t oldestAt = metAt + Minutes(records.back().sampleCircle) * kSecondsPerMinute;
    if (-((oldestAt - storedAt) / kSecondsPerMinute) > 2 * Minutes(stored.sampleCircle))
        return;
    time_t newestAt = storedAt;
    for (const CWeatherRecord& record : records)
        newestAt += Minutes(record.sampleCircle) * kSecondsPerMinute;
    if ((newestAt - CurrentTime()) / kSecondsPerMinute > 2 * Minutes(records.front().sampleCircle))
        return;
    time_t time = storedAt;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        time += Minutes(record->sampleCircle) * kSecondsPerMinute;
        record->recordTime = FormatRecordTime(time);
    }
}

} // namespace

bool IsSameRecord(const CWeatherRecord& stored, const CWeatherRecord& fresh, time_t freshTime,
                  int largestMinutes) {
    if (stored.hexAddr != fresh.hexAddr || !HasTime(stored))
        return false;
    const int window = HoldsStoredBytes(stored, fresh) ? kSameBytesWindowIntervals : 2;
    return freshTime - TextToTimeNear(stored.recordTime, freshTime) <=
           static_cast<time_t>(window) * largestMinutes * kSecondsPerMinute;
}

// The list is emptied first, so that whatever returns 0 delivers nothing.
int DownloadHistory(CWeatherComm& comm, CWeatherRecordArray& records,
                    const CWeatherSettings& settings, IStatusTextTarget* window,
                    const std::function<bool()>& stopRequested) {
    records.clear();
    // The newest record is still being filled; it comes with a later download.
    const int attempts =
        std::min(std::atoi(settings.historyRecords.c_str()) - 1, kMostDownloadedRecords);
    const int newest = std::atoi(settings.historyStackAddr.c_str());
    if (attempts < 1 || !IsHistorySlot(newest))
        return 0;

    CWeatherRecord stored;
    LoadLastRecord(stored);
    time_t time = CurrentTime();
    int largest = 0;
    bool met = false;
    int address = HistorySlotBefore(newest);
    // A failed read uses up its attempt; the record is skipped.
    for (int attempt = 1; attempt <= attempts && !met; ++attempt) {
        // A full ring takes minutes on a slow console; the program must not wait for that to
        // end. The console keeps the records, so the next download fetches them.
        if (stopRequested && stopRequested()) {
            records.clear();
            return 0;
        }
        ShowProgress(window, attempt);
        CWeatherRecord record;
        if (comm.ReadRecordAt(address, record, false)) {
            AppendPrintf(record.sequenceNo, "%4d", attempts - attempt + 1);
            record.recordTime = FormatRecordTime(time);
            const int interval = Minutes(record.sampleCircle);
            largest = std::max(largest, interval);
            // The record before the newest still the stored one, byte for byte: the console
            // has recorded nothing since, however long ago that record's time lies.
            met = (attempt == 1 && HasTime(stored) && HoldsStoredBytes(stored, record)) ||
                  IsSameRecord(stored, record, time, largest);
            if (!met) {
                records.push_back(std::move(record));
                time -= interval * kSecondsPerMinute;
            }
        }
        address = HistorySlotBefore(address);
    }
    // A record met is never one without a time; `time` is the one it was dated to.
    if (met && !records.empty())
        DateRecords(records, stored, time, largest);
    return static_cast<int>(records.size());
}

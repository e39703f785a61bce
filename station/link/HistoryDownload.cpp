#include "station/link/HistoryDownload.h"

#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"
#include "station/records/RecordLayer.h"
#include "station/threads/StatusText.h"
#include "station/values/AppendPrintf.h"
#include "station/values/Clock.h"
#include "station/values/TimeText.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr time_t kSecondsPerMinute = 60;
// A time text no longer than a date carries no time.
constexpr std::size_t kDateLength = 10;
constexpr std::size_t kHexDigitsPerRecord = 2 * kHistoryRecordSize;
// A hiccup on the USB line spoils a read now and then: a slot counts as unreadable only when it
// fails this many times in a row.
constexpr int kSlotReadAttempts = 3;

int Minutes(const std::string& interval) {
    return std::atoi(interval.c_str());
}

std::string AddressText(int address) {
    std::string text;
    AppendPrintf(text, "%06X", address);
    return text;
}

void ShowProgress(IStatusTextTarget* window, int attempt) {
    std::snprintf(g_statusText, kStatusTextSize, "%d %s ...", attempt, Tr(kTextDataRead));
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

// Each attempt reads into a fresh record, so that a failed one leaves nothing behind.
bool ReadSlot(CWeatherComm& comm, int address, CWeatherRecord& record) {
    for (int attempt = 0; attempt < kSlotReadAttempts; ++attempt) {
        record = CWeatherRecord();
        if (comm.ReadRecordAt(address, record, false))
            return true;
    }
    return false;
}

// Whether the console's ring went round since it wrote the stored record into the slot at
// `address`. The console writes its slots in turn, so before that slot it wrote the slot before
// it again: the slot before no longer holds the data file's record before the stored one. Only
// that record, kept with its bytes and from that very slot, can tell; without it, or when that
// slot cannot be read, the stored record's slot is taken at its word.
bool RingWentRound(CWeatherComm& comm, int address, const CWeatherRecord& before) {
    const int slot = HistorySlotBefore(address);
    const std::string bytes = ConsoleBytes(before.hexValue);
    if (bytes.empty() || before.hexAddr != AddressText(slot))
        return false;
    CWeatherRecord record;
    return ReadSlot(comm, slot, record) && ConsoleBytes(record.hexValue) != bytes;
}

// The records (newest first) were read back to the stored record and dated backwards from the
// time the download began, the stored one to `metAt`. While the PC's clock is steady the stored
// record dates them better: forwards from it by their intervals. The two datings differ by the
// same span for every record; the chain fits when that span, in whole minutes, is at most two of
// the newest record's intervals either way, as a reading comes less than an interval after the
// console finished its newest record. Otherwise the PC's clock was set, or the console paused,
// since the stored record: the backward dates stand, by the clock the program has now.
void DateRecords(CWeatherRecordArray& records, const CWeatherRecord& stored, time_t metAt) {
    const time_t storedAt = TextToTimeNear(stored.recordTime, metAt);
    const time_t apartMinutes = (storedAt - metAt) / kSecondsPerMinute;
    if (std::abs(apartMinutes) > 2 * Minutes(records.front().sampleCircle))
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
    const std::string storedBytes = ConsoleBytes(stored.hexValue);
    const std::string freshBytes = ConsoleBytes(fresh.hexValue);
    if (!storedBytes.empty() && !freshBytes.empty())
        return storedBytes == freshBytes;
    return freshTime - TextToTimeNear(stored.recordTime, freshTime) <=
           static_cast<time_t>(2) * largestMinutes * kSecondsPerMinute;
}

// The list is emptied first, so that whatever delivers nothing leaves nothing in it.
DownloadResult DownloadHistory(CWeatherComm& comm, CWeatherRecordArray& records,
                               const CWeatherSettings& settings, IStatusTextTarget* window,
                               UnreadableSlots& unreadable,
                               const std::function<bool()>& stopRequested) {
    records.clear();
    // The newest record is still being filled; it comes with a later download.
    const int attempts =
        std::min(std::atoi(settings.historyRecords.c_str()) - 1, kMostDownloadedRecords);
    const int newest = std::atoi(settings.historyStackAddr.c_str());
    if (attempts < 1 || !IsHistorySlot(newest))
        return {};

    CWeatherRecord stored;
    CWeatherRecord before;
    LoadLastTwoRecords(stored, before);
    // A record given up keeps its place in the chain of intervals, at the console's interval.
    const std::string lostInterval = std::to_string(Minutes(settings.historyCircle));
    time_t time = CurrentTime();
    int largest = 0;
    bool met = false;
    std::vector<std::size_t> lost; // the places in `records` of records given up
    std::vector<int> givenUp;      // the slots read without success, taken as they stand
    int address = HistorySlotBefore(newest);
    for (int attempt = 1; attempt <= attempts && !met;
         ++attempt, address = HistorySlotBefore(address)) {
        // A full ring takes minutes on a slow console; the program must not wait for that to
        // end. The console keeps the records, so the next download fetches them.
        if (stopRequested && stopRequested()) {
            records.clear();
            return {};
        }
        ShowProgress(window, attempt);
        CWeatherRecord record;
        const bool read = ReadSlot(comm, address, record);
        if (read) {
            unreadable.erase(address);
        } else if (++unreadable[address] < kDownloadsBeforeSlotIsLost) {
            // Skipped, the record would be lost and the ones after it dated wrongly; gone past,
            // the stored record's slot would bring the whole ring again.
            records.clear();
            DownloadResult result;
            result.incomplete = true;
            return result;
        } else {
            givenUp.push_back(address);
            record.hexAddr = AddressText(address);
            record.sampleCircle = lostInterval;
        }
        AppendPrintf(record.sequenceNo, "%4d", attempts - attempt + 1);
        record.recordTime = FormatRecordTime(time);
        const int interval = Minutes(record.sampleCircle);
        largest = std::max(largest, interval);
        // Unread, the stored record's slot is taken for it unless the ring went round.
        met = (read ? IsSameRecord(stored, record, time, largest)
                    : HasTime(stored) && record.hexAddr == stored.hexAddr) &&
              !RingWentRound(comm, address, before);
        if (!met) {
            if (!read)
                lost.push_back(records.size());
            records.push_back(std::move(record));
            time -= interval * kSecondsPerMinute;
        }
    }
    // A record met is never one without a time; `time` is the one it was dated to.
    if (met && !records.empty())
        DateRecords(records, stored, time);
    for (auto place = lost.rbegin(); place != lost.rend(); ++place)
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(*place));
    // A slot given up earlier that this walk did not reach has been written anew since, or will
    // be before a walk reaches it again: one hiccup there must not give that record up at once.
    std::erase_if(unreadable, [&](const auto& slot) {
        return std::find(givenUp.begin(), givenUp.end(), slot.first) == givenUp.end();
    });
    return {static_cast<int>(records.size()), false, static_cast<int>(lost.size())};
}

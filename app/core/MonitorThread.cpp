#include "app/core/MonitorThread.h"

#include "app/core/Config.h"
#include "app/core/WakeEvent.h"
#include "platform/Sleep.h"
#include "station/console/HistoryRing.h"
#include "station/console/MinMaxUnits.h"
#include "station/console/RecordScaling.h"
#include "station/link/HistoryDownload.h"
#include "station/link/WeatherComm.h"
#include "station/records/RainSum.h"
#include "station/records/RecordLayer.h"
#include "station/values/Clock.h"
#include "texts/Env.h"
#include "texts/OwnTexts.h"
#include "texts/TextEntries.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// Everything one cycle passes from its reading to its display and storing; nothing of it
// survives the cycle.
struct Reading {
    CWeatherSettings settings;
    bool blockRead = false;
    // The block was asked for and could not be read, also on its retry: nothing else was read.
    bool consoleSilent = false;
    int newest = 0; // console address of the record being filled
    CWeatherRecord live;
    bool liveRead = false;
    CWeatherRecordArray history; // newest first
    int count = 0;
    // A slot could not be read before the stored record was met, so nothing was downloaded.
    bool historyIncomplete = false;
    int lost = 0;   // records of the console given up as unreadable
    int stored = 0; // of the records downloaded, those in the data file
    // The torn last line of the data file could not be set aside, so nothing was downloaded.
    bool lastLineKept = false;
};

// The fixed block, read once more after a short pause when the read failed or its
// newest-record address is no slot of the ring; the second result stands as it comes.
void ReadBlock(Reading& reading) {
    auto readOnce = [&reading] {
        reading.blockRead = g_weatherComm.ReadFixedBlock(reading.settings, kWholeBlock, false);
        reading.newest = std::atoi(reading.settings.historyStackAddr.c_str());
    };
    readOnce();
    if (!reading.blockRead || !IsHistorySlot(reading.newest)) {
        SleepMs(kMonitorBlockRetryPauseMs);
        readOnce();
    }
}

// The record the console is filling. Another party that holds the console for longer than
// the busy rule waits makes the read count as failed.
void ReadLiveRecord(Reading& reading) {
    const CBusyGuard device = WaitAndTakeDevice();
    if (!device.IsTaken())
        return;
    char address[16];
    std::snprintf(address, sizeof address, "%06X", reading.newest);
    reading.live.stackAddr = address;
    reading.liveRead = g_weatherComm.ReadRecordAt(reading.newest, reading.live, false);
}

void DownloadHistory(Reading& reading, IMonitorView& view, IStatusTextTarget* frame,
                     UnreadableSlots& unreadable) {
    // A line a crash cut short is no stored record: the download stops at the last whole one
    // and fetches the torn one again, and the rain sums do not count it. Taken for the last
    // stored record, the torn line would make the download fetch the whole ring again or skip
    // the record after it, so without a whole last line nothing is downloaded.
    if (!SetAsideTornLastLine()) {
        reading.lastLineKept = true;
        return;
    }
    const CBusyGuard device = WaitAndTakeDevice();
    if (!device.IsTaken())
        return;
    const DownloadResult result =
        ::DownloadHistory(g_weatherComm, reading.history, reading.settings, frame, unreadable,
                          [&view] { return view.IsStopRequested(); });
    reading.count = result.count;
    reading.historyIncomplete = result.incomplete;
    reading.lost = result.lost;
}

// The live record in display units with its rain sums against the stored records; an empty
// record when the live read failed, whatever a failed re-read left half decoded in it.
CWeatherRecord DisplayCopy(const Reading& reading) {
    CWeatherRecord display = reading.liveRead ? reading.live : CWeatherRecord();
    ScaleRecordToMetric(display, reading.settings);
    AccumulateRainForRecord(display);
    ConvertRecordToUserUnits(display, reading.settings);
    return display;
}

void ShowLiveRecord(IMonitorView& view, const Reading& reading) {
    const CWeatherRecord display = DisplayCopy(reading);
    view.ShowLiveData(display, reading.settings);
    view.ShowAlarms(display, reading.settings);
    CWeatherSettings minMax = reading.settings;
    ConvertMinMaxToUserUnits(minMax);
    view.ShowMinMax(minMax);
    view.Invalidate();
}

// A stop before the append abandons the records, as it abandons a download.
void StoreHistory(IMonitorView& view, Reading& reading, IStatusTextTarget* frame) {
    for (int i = 0; i < reading.count && !view.IsStopRequested(); ++i) {
        ScaleRecordToMetric(reading.history[i], reading.settings);
        std::snprintf(g_statusText, kStatusTextSize, "%d%% %s", (i + 1) * 100 / reading.count,
                      Tr(kTextDataProcessed));
        SetStatusText(frame, g_statusText);
    }
    if (view.IsStopRequested())
        return;
    AccumulateRainForList(reading.history, frame);
    if (view.IsStopRequested())
        return;
    std::snprintf(g_statusText, kStatusTextSize, "%s ...", Tr(kTextSaveAllData));
    SetStatusText(frame, g_statusText);
    reading.stored = AppendRecords(reading.history);
    // The live record again, its rain sums now counting the records just stored.
    view.ShowLiveData(DisplayCopy(reading), reading.settings);
    view.Invalidate();
}

void AppendSentence(const char* sentence) {
    const std::size_t length = std::strlen(g_statusText);
    std::snprintf(g_statusText + length, kStatusTextSize - length, " %s", sentence);
}

// The sentences the summary ends with when not every record read reached the data file, or a
// record of the console could not be read at all.
void AppendTrouble(const Reading& reading) {
    char sentence[kStatusTextSize] = "";
    if (reading.lastLineKept)
        std::snprintf(sentence, sizeof sentence, "%s", Tr(kOwnTextLastLineKept));
    else if (reading.count > 0 && reading.stored == 0)
        std::snprintf(sentence, sizeof sentence, "%s", Tr(kOwnTextNothingStored));
    else if (reading.stored < reading.count)
        std::snprintf(sentence, sizeof sentence, Tr(kOwnTextPartlyStored), reading.stored,
                      reading.count);
    if (*sentence != '\0')
        AppendSentence(sentence);
    if (reading.lost > 0) {
        std::snprintf(sentence, sizeof sentence, Tr(kOwnTextRecordsLost), reading.lost);
        AppendSentence(sentence);
    }
}

// The time of the reading as the status bar shows it, the day first: 07-03-2010 10:05:09.
std::string ReadingTimeText() {
    const time_t now = CurrentTime();
    tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d:%02d", local.tm_mday,
                  local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min,
                  local.tm_sec);
    return text;
}

// Total Records counts the whole records the data file holds, not the number of its last line,
// which a torn line or a gap left by a delete would make wrong. A console that did not answer
// gets no summary: it was not read, and the view still shows the last reading that succeeded.
// A history that could not be read completely stored nothing, and says so in place of a count
// of records read.
void ShowSummary(const Reading& reading, IStatusTextTarget* frame) {
    if (reading.consoleSilent) {
        std::snprintf(g_statusText, kStatusTextSize, Tr(kOwnTextConsoleNotAnswering),
                      ReadingTimeText().c_str());
    } else if (reading.historyIncomplete) {
        std::snprintf(g_statusText, kStatusTextSize, Tr(kOwnTextHistoryIncomplete),
                      Tr(kTextLastReadTime), ReadingTimeText().c_str());
    } else {
        const long long total = std::max(CountStoredRecords(), 0LL);
        std::snprintf(g_statusText, kStatusTextSize, "%s: %s, %s: %d (%s: %lld).",
                      Tr(kTextLastReadTime), ReadingTimeText().c_str(), Tr(kTextReadRecords),
                      reading.count, Tr(kTextTotalRecords), total);
        AppendTrouble(reading);
    }
    SetStatusText(frame, g_statusText);
}

// Reads the console and shows and stores what it read into `reading`. False when the console
// became busy before the first read and nothing was done.
bool ReadConsole(IMonitorView& view, IStatusTextTarget* frame, Reading& reading,
                 UnreadableSlots& unreadable) {
    // A wake that came before this reading (the link just came up, or the settings changed
    // before the block is read) is answered by it: it must not bring a second reading.
    g_wakeEvent.Wait(std::chrono::milliseconds(0));
    std::snprintf(g_statusText, kStatusTextSize, "%s %s ...", Tr(kTextReadDataFrom),
                  Tr(kTextStationName));
    SetStatusText(frame, g_statusText);

    {
        // Taken in one step, without waiting: a party that took the console since the check
        // of the caller is given the time it needs.
        const CBusyGuard device = WaitAndTakeDevice(g_weatherComm, 0);
        if (!device.IsTaken())
            return false;
        ReadBlock(reading);
    }
    // Without its settings the console's records cannot be read nor shown in their units.
    reading.consoleSilent = !reading.blockRead;
    if (reading.consoleSilent)
        return true;
    ReadLiveRecord(reading);
    if (reading.liveRead)
        ShowLiveRecord(view, reading);
    DownloadHistory(reading, view, frame, unreadable);
    // A stop abandons the records: the console keeps them for the next start.
    if (reading.count > 0)
        StoreHistory(view, reading, frame);
    return true;
}

// One cycle, with the pause that follows it. `unreadable` is all that one cycle leaves for the
// next besides the view, the status bar and the data file: a slot that failed its reads in a few
// cycles in a row gives its record up.
void RunCycle(IMonitorView& view, IStatusTextTarget* frame, UnreadableSlots& unreadable) {
    if (g_weatherComm.m_busy) {
        SleepMs(kMonitorRetryPauseMs);
        return;
    }
    Reading reading;
    if (g_weatherComm.IsConnected()) {
        // A connection made in this very tick of the link timer: the timer turns polling on
        // again at its next tick.
        if (!g_weatherComm.IsPollingLink()) {
            SleepMs(kMonitorRetryPauseMs);
            return;
        }
        if (g_weatherComm.m_busy || !ReadConsole(view, frame, reading, unreadable)) {
            SleepMs(kMonitorBusyPauseMs);
            return;
        }
        // The reading may have taken the view's wake: the pause would not end.
        if (view.IsStopRequested())
            return;
    }
    if (g_weatherComm.IsConnected())
        ShowSummary(reading, frame);
    g_wakeEvent.Wait(std::chrono::milliseconds(kMonitorCycleWaitMs));
}

} // namespace

int MonitorThread(IMonitorView& view) {
    const CStoppablePauses pauses(view.StopRequest());
    IStatusTextTarget* frame = view.StatusTarget();
    SleepMs(kMonitorStartPauseMs);
    std::snprintf(g_statusText, kStatusTextSize,
                  g_weatherComm.IsTestMode() ? "%s(---TEST MODE---)" : "%s", Tr(kTextStationName));
    view.SetTitle(g_statusText);
    UnreadableSlots unreadable;
    while (!view.IsStopRequested())
        RunCycle(view, frame, unreadable);
    return 1;
}

#include "app/MonitorThread.h"

#include "app/Config.h"
#include "app/WakeEvent.h"
#include "platform/Sleep.h"
#include "station/Clock.h"
#include "station/HistoryRing.h"
#include "station/MinMaxUnits.h"
#include "station/RainSum.h"
#include "station/RecordLayer.h"
#include "station/RecordScaling.h"
#include "station/WeatherComm.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

// The sentence the summary ends with when the records read could not be stored: the text table
// has no such entry. In language order, as the text table.
constexpr const char* kNotStoredText[kLanguageCount] = {
    "The records read could not be stored!",
    "Die gelesenen Datensätze konnten nicht gespeichert werden!",
    "De læste poster kunne ikke gemmes!",
};

// Everything one cycle passes from its reading to its display and storing; nothing of it
// survives the cycle.
struct Reading {
    CWeatherSettings settings;
    bool blockRead = false;
    int newest = 0; // console address of the record being filled
    CWeatherRecord live;
    bool liveRead = false;
    CWeatherRecordArray history; // newest first
    int count = 0;
    bool stored = true; // false when downloaded records could not be stored
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

void DownloadHistory(Reading& reading, IStatusTextTarget* frame) {
    // A line a crash cut short is no stored record: the download stops at the last whole one
    // and fetches the torn one again, and the rain sums do not count it.
    SetAsideTornLastLine();
    const CBusyGuard device = WaitAndTakeDevice();
    if (device.IsTaken())
        reading.count = g_weatherComm.DownloadHistory(reading.history, reading.settings, frame);
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

void StoreHistory(IMonitorView& view, Reading& reading, IStatusTextTarget* frame) {
    for (int i = 0; i < reading.count; ++i) {
        ScaleRecordToMetric(reading.history[i], reading.settings);
        std::snprintf(g_statusText, kStatusTextSize, "%d%% %s", (i + 1) * 100 / reading.count,
                      Tr(kTextDataProcessed));
        SetStatusText(frame, g_statusText);
    }
    AccumulateRainForList(reading.history, frame);
    std::snprintf(g_statusText, kStatusTextSize, "%s ...", Tr(kTextSaveAllData));
    SetStatusText(frame, g_statusText);
    reading.stored = AppendRecords(reading.history);
    // The live record again, its rain sums now counting the records just stored.
    view.ShowLiveData(DisplayCopy(reading), reading.settings);
    view.Invalidate();
}

void ShowSummary(int count, bool stored, IStatusTextTarget* frame) {
    CWeatherRecord last;
    LoadLastRecord(last);
    const int total = std::atoi(last.recordNo.c_str());
    const time_t now = CurrentTime();
    tm local{};
    localtime_r(&now, &local);
    std::snprintf(
        g_statusText, kStatusTextSize, "%s: %02d-%02d-%04d %02d:%02d:%02d, %s: %d (%s: %d).",
        Tr(kTextLastReadTime), local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour,
        local.tm_min, local.tm_sec, Tr(kTextReadRecords), count, Tr(kTextTotalRecords), total);
    if (!stored) {
        const std::size_t length = std::strlen(g_statusText);
        std::snprintf(g_statusText + length, kStatusTextSize - length, " %s",
                      kNotStoredText[g_lang]);
    }
    SetStatusText(frame, g_statusText);
}

// Reads the console and shows and stores what it read. Returns the number of history records
// downloaded, or -1 when the console became busy before the first read and nothing was done;
// `stored` turns false when downloaded records could not be stored.
int ReadConsole(IMonitorView& view, IStatusTextTarget* frame, bool& stored) {
    std::snprintf(g_statusText, kStatusTextSize, "%s %s ...", Tr(kTextReadDataFrom),
                  Tr(kTextStationName));
    SetStatusText(frame, g_statusText);

    Reading reading;
    {
        // Taken in one step, without waiting: a party that took the console since the check
        // of the caller is given the time it needs.
        const CBusyGuard device = WaitAndTakeDevice(g_weatherComm, 0);
        if (!device.IsTaken())
            return -1;
        ReadBlock(reading);
    }
    if (reading.blockRead)
        ReadLiveRecord(reading);
    if (reading.liveRead)
        ShowLiveRecord(view, reading);
    // Without a fixed block the settings name no records, so the download reads nothing.
    DownloadHistory(reading, frame);
    if (reading.blockRead && reading.count > 0)
        StoreHistory(view, reading, frame);
    stored = reading.stored;
    return reading.count;
}

// One cycle, with the pause that follows it.
void RunCycle(IMonitorView& view, IStatusTextTarget* frame) {
    if (g_weatherComm.m_busy) {
        SleepMs(kMonitorRetryPauseMs);
        return;
    }
    int count = 0;
    bool stored = true;
    if (g_weatherComm.IsConnected()) {
        // A connection made in this very tick of the link timer: the timer turns polling on
        // again at its next tick.
        if (!g_weatherComm.IsPollingLink()) {
            SleepMs(kMonitorRetryPauseMs);
            return;
        }
        if (g_weatherComm.m_busy) {
            SleepMs(kMonitorBusyPauseMs);
            return;
        }
        count = ReadConsole(view, frame, stored);
        if (count < 0) {
            SleepMs(kMonitorBusyPauseMs);
            return;
        }
    }
    if (g_weatherComm.IsConnected())
        ShowSummary(count, stored, frame);
    g_wakeEvent.Wait(std::chrono::milliseconds(kMonitorCycleWaitMs));
}

} // namespace

int MonitorThread(IMonitorView& view) {
    IStatusTextTarget* frame = view.StatusTarget();
    SleepMs(kMonitorStartPauseMs);
    std::snprintf(g_statusText, kStatusTextSize, IsTestMode() ? "%s(---TEST MODE---)" : "%s",
                  Tr(kTextStationName));
    view.SetTitle(g_statusText);
    while (!view.IsStopRequested())
        RunCycle(view, frame);
    return 1;
}

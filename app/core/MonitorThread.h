#pragma once

#include "platform/StopRequest.h"
#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"
#include "station/threads/StatusText.h"

#include <string>

// What the monitor thread needs of the main view. The thread calls these from its own thread;
// the view carries out whatever touches its windows on the user-interface thread and returns
// when that is done, as a message sent to a window of that thread would.
class IMonitorView {
public:
    // The view's stop request, looked at on the top of every cycle, before each record of a
    // download and before the records are stored; every pause of the thread ends on it.
    virtual const CStopRequest& StopRequest() const = 0;
    bool IsStopRequested() const { return StopRequest().IsRequested(); }
    // Where the status texts go (the main frame). Taken once, when the thread starts.
    virtual IStatusTextTarget* StatusTarget() = 0;
    // The title of the main window, when the view has one.
    virtual void SetTitle(const std::string& title) = 0;
    // The record in the settings' display units.
    virtual void ShowLiveData(const CWeatherRecord& record, const CWeatherSettings& settings) = 0;
    // The same record; the settings as read from the console, thresholds not yet scaled.
    virtual void ShowAlarms(const CWeatherRecord& record, const CWeatherSettings& settings) = 0;
    // The min/max texts already in display units.
    virtual void ShowMinMax(const CWeatherSettings& settings) = 0;
    // Repaints the whole view.
    virtual void Invalidate() = 0;

protected:
    ~IMonitorView() = default;
};

// The pauses of the monitor thread, in milliseconds.
inline constexpr int kMonitorStartPauseMs = 1000;
// While the console is busy with another party, or a connection was made in this very tick.
inline constexpr int kMonitorRetryPauseMs = 1000;
// When the console became busy just before the thread meant to read it.
inline constexpr int kMonitorBusyPauseMs = 10000;
// Before the fixed block is read again because its newest-record address was no slot.
inline constexpr int kMonitorBlockRetryPauseMs = 100;
// Between two readings, unless g_wakeEvent is set.
inline constexpr int kMonitorCycleWaitMs = 60000;

// The program's one worker thread. About once a minute it reads the console through
// g_weatherComm: the fixed block, the record the console is filling (the current weather,
// shown on the view and never stored) and the history records the data file does not hold yet
// (stored, oldest first). It reports its progress and a summary as status texts, takes the
// device-busy flag around each console operation, and between two readings waits on
// g_wakeEvent, which the main frame sets after the console's settings changed. Once the view
// asks it to stop (and sets g_wakeEvent), it ends at once: every pause it makes ends, down to
// those of a console access and of the busy-flag waits; a download stops before its next
// record and stores nothing (the console keeps the records for the next start); records being
// appended are appended whole. The result is its exit code, 1.
int MonitorThread(IMonitorView& view);

#pragma once

#include <atomic>
#include <functional>
#include <string>

struct CWeatherSettings;
struct CWeatherRecord;

// The debug-log channel: the station-link operations report what they read and write to the
// debug dialog, only while it exists and its box for that kind of report is ticked.

enum DebugLogKind {
    DEBUGLOG_READ = 1,  // a fixed block read and decoded
    DEBUGLOG_WRITE = 2, // a fixed block encoded, before it goes to the console
    DEBUGLOG_DATA = 3,  // a history record read and decoded
    DEBUGLOG_TEXT = 4   // a single-byte operation done
};

// What receives the reports: the debug dialog. Reports arrive synchronously, also from the
// monitor thread, and the object reported is valid only during the call; a receiver living on
// another thread hands the report over and waits until it is shown.
class CDebugLogSink {
public:
    virtual ~CDebugLogSink() = default;

    // Reports of kind DEBUGLOG_READ or DEBUGLOG_WRITE.
    virtual void OnDebugLog(DebugLogKind kind, const CWeatherSettings& settings) = 0;
    // Reports of kind DEBUGLOG_DATA.
    virtual void OnDebugLog(const CWeatherRecord& record) = 0;
    // Reports of kind DEBUGLOG_TEXT.
    virtual void OnDebugLog(const std::string& text) = 0;

    // Whether the box for reports of `kind` is ticked.
    bool IsLogOn(DebugLogKind kind) const;

    // The three boxes, set by the dialog's thread and read by the senders without a lock.
    std::atomic<bool> m_readDebug{false};  // fixed-block reads
    std::atomic<bool> m_writeDebug{false}; // fixed-block writes and the texts
    std::atomic<bool> m_dataDebug{false};  // history-record reads
};

// The one debug dialog; null until it is first opened, then set for the rest of the run.
extern std::atomic<CDebugLogSink*> g_debugDlg;

// Takes `sink` off the channel, when it is the one there, and returns only once no report to
// it is under way any more, so that it can be destroyed. While one is, `pause` runs again and
// again: a receiver on the user-interface thread handles its events there, since the report
// under way waits for it.
void DetachDebugLog(const CDebugLogSink* sink, const std::function<void()>& pause);

// Whether a report of `kind` would be taken now: the dialog exists and its box is ticked.
bool IsDebugLogOn(DebugLogKind kind);

// The senders: each sends only when IsDebugLogOn for its kind and the call is not quiet (the
// debug dialog's own reads are quiet and show their results themselves).
void SendDebugLog(DebugLogKind kind, const CWeatherSettings& settings, bool quiet);
void SendDebugLog(const CWeatherRecord& record, bool quiet);
void SendDebugLog(const std::string& text);

#include "station/link/DebugLog.h"

std::atomic<CDebugLogSink*> g_debugDlg{nullptr};

bool CDebugLogSink::IsLogOn(DebugLogKind kind) const {
    switch (kind) {
    case DEBUGLOG_READ:
        return m_readDebug;
    case DEBUGLOG_WRITE:
    case DEBUGLOG_TEXT:
        return m_writeDebug;
    case DEBUGLOG_DATA:
        return m_dataDebug;
    }
    return false;
}

namespace {

// Reports under way. A sender counts itself before it looks for the dialog, and a detach takes
// the dialog away before it looks at the count, so either the sender finds no dialog or the
// detach waits for it.
std::atomic<int> g_reportsUnderWay{0};

// The dialog that takes a report of `kind` now, or null.
CDebugLogSink* Receiver(DebugLogKind kind, bool quiet) {
    CDebugLogSink* const sink = quiet ? nullptr : g_debugDlg.load();
    return sink && sink->IsLogOn(kind) ? sink : nullptr;
}

// Hands one report to the dialog, when there is one that takes it.
template <typename Deliver>
void Send(DebugLogKind kind, bool quiet, Deliver deliver) {
    ++g_reportsUnderWay;
    if (CDebugLogSink* const sink = Receiver(kind, quiet))
        deliver(*sink);
    --g_reportsUnderWay;
}

} // namespace

void DetachDebugLog(const CDebugLogSink* sink, const std::function<void()>& pause) {
    CDebugLogSink* expected = const_cast<CDebugLogSink*>(sink);
    if (!g_debugDlg.compare_exchange_strong(expected, nullptr))
        return;
    while (g_reportsUnderWay > 0)
        pause();
}

bool IsDebugLogOn(DebugLogKind kind) {
    return Receiver(kind, false) != nullptr;
}

void SendDebugLog(DebugLogKind kind, const CWeatherSettings& settings, bool quiet) {
    Send(kind, quiet, [&](CDebugLogSink& sink) { sink.OnDebugLog(kind, settings); });
}

void SendDebugLog(const CWeatherRecord& record, bool quiet) {
    Send(DEBUGLOG_DATA, quiet, [&](CDebugLogSink& sink) { sink.OnDebugLog(record); });
}

void SendDebugLog(const std::string& text) {
    Send(DEBUGLOG_TEXT, false, [&](CDebugLogSink& sink) { sink.OnDebugLog(text); });
}

#include "dialogs/DebugLog.h"

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

// The dialog that takes a report of `kind` now, or null.
CDebugLogSink* Receiver(DebugLogKind kind, bool quiet) {
    CDebugLogSink* const sink = quiet ? nullptr : g_debugDlg.load();
    return sink && sink->IsLogOn(kind) ? sink : nullptr;
}

} // namespace

bool IsDebugLogOn(DebugLogKind kind) {
    return Receiver(kind, false) != nullptr;
}

void SendDebugLog(DebugLogKind kind, const CWeatherSettings& settings, bool quiet) {
    if (CDebugLogSink* const sink = Receiver(kind, quiet))
        sink->OnDebugLog(kind, settings);
}

void SendDebugLog(const CWeatherRecord& record, bool quiet) {
    if (CDebugLogSink* const sink = Receiver(DEBUGLOG_DATA, quiet))
        sink->OnDebugLog(record);
}

void SendDebugLog(const std::string& text) {
    if (CDebugLogSink* const sink = Receiver(DEBUGLOG_TEXT, false))
        sink->OnDebugLog(text);
}

#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"
#include "station/link/DebugLog.h"

#include <functional>
#include <string>
#include <vector>

// A debug dialog for tests: installed in g_debugDlg while it lives, it records every report.
class RecordingDebugLog : public CDebugLogSink {
public:
    struct Report {
        int kind;
        std::string text; // the text of a text report, the address of a record report
        std::string updateFlag;
        std::string hexAll; // of a settings report: shows whether it was decoded raw
    };

    RecordingDebugLog() { g_debugDlg = this; }
    ~RecordingDebugLog() override { g_debugDlg = nullptr; }

    void OnDebugLog(DebugLogKind kind, const CWeatherSettings& settings) override {
        Take({kind, "", settings.updateFlag, settings.hexAll});
    }
    void OnDebugLog(const CWeatherRecord& record) override {
        Take({DEBUGLOG_DATA, record.hexAddr, "", ""});
    }
    void OnDebugLog(const std::string& text) override { Take({DEBUGLOG_TEXT, text, "", ""}); }

    void SwitchAll(bool on) {
        m_readDebug = on;
        m_writeDebug = on;
        m_dataDebug = on;
    }

    std::vector<Report> m_reports;
    // Called with each report as it arrives, while the sender waits.
    std::function<void(const Report&)> m_onReport;

private:
    void Take(const Report& report) {
        if (m_onReport)
            m_onReport(report);
        m_reports.push_back(report);
    }
};

#pragma once

#include "platform/qt/Dialog.h"
#include "station/link/DebugLog.h"
#include "station/link/WeatherComm.h"

#include <functional>
#include <string>

// The developer's window on the console traffic, English only and modeless: it logs each fixed
// block read from or written to the console, each history record read and the single-byte
// operations, each kind while its box is ticked, and reads the fixed block or one history
// record on demand. The main frame makes it on the first Debug command and keeps it for the
// rest of the run; Cancel only hides it, and hidden it goes on logging.
class CDebugDlg : public CDialog, public CDebugLogSink {
    Q_OBJECT

public:
    // The most records before the newest one that "DataRead" may be asked for: the ring's size.
    static constexpr int kMaxRecordNo = 3264;

    explicit CDebugDlg(QWidget* parent, CWeatherComm& comm = g_weatherComm);
    // Takes the dialog off the debug-log channel and waits for a report under way to it.
    ~CDebugDlg() override;

    // Reports from the station link, from any thread: each is formatted and appended on the
    // user-interface thread while the sender waits, as long as its box is still ticked.
    void OnDebugLog(DebugLogKind kind, const CWeatherSettings& settings) override;
    void OnDebugLog(const CWeatherRecord& record) override;
    void OnDebugLog(const std::string& text) override;

    // Appends an entry at the end of the log, after a blank line pair, wherever the caret was.
    void AppendLog(const std::string& text);
    // The log as the control shows it, lines ended by "\n".
    std::string LogText() const;

    // How many records before the newest one "DataRead" reads (0 the newest).
    int m_recordNo = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void OnClear();
    void OnSetupRead();
    void OnDataRead();
    // One quiet read of the console under the device-busy flag, whose debug text `read` gives
    // (false when the read failed): appended to the log, or the failure told.
    void ReadOnDemand(const std::function<bool(std::string& text)>& read);

    CWeatherComm& m_comm;
};

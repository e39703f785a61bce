#pragma once

#include "platform/qt/Dialog.h"
#include "station/console/AlarmInputLimits.h"
#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"

// The console's alarm thresholds in its display units. Reads the fixed block when it opens;
// Save reads it again, puts the typed thresholds, scaled to the console's integers, into that
// fresh copy and writes the whole block back. Ends with IDOK only after a successful write.
class CAlarmDlg : public CDialog {
    Q_OBJECT

public:
    // Talks to the console through `comm`.
    explicit CAlarmDlg(QWidget* parent = nullptr, CWeatherComm& comm = g_weatherComm);

    // The number of threshold edits.
    static constexpr int kThresholdCount = 26;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void OnSave();
    // A speed or level edit the user typed in since it last did so gives its partner the
    // matching value.
    void UpdatePartner(int edit, int partner, bool fromLevel);

    // The thresholds of m_settings, as read, scaled to the display units and shown.
    void ShowSettings();
    // The typed thresholds into a block read afresh, as the console stores them.
    void TakeThresholds(CWeatherSettings& fresh) const;

    CWeatherComm& m_comm;
    bool m_saveEnabled = true;
    CWeatherSettings m_settings;
    AlarmInputLimits m_limits{};
};

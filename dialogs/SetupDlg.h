#pragma once

#include "platform/qt/Dialog.h"
#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"

#include <string>

// The console's own settings: time zone, history interval, display units and formats, the
// alarm enables and the pressure calibration. Reads the fixed block when it opens; Save reads
// it again, puts the controls into that fresh copy, re-expresses the stored alarm thresholds of
// every unit that changed and writes the whole block back. Ends with IDOK only after a
// successful write.
class CSetupDlg : public CDialog {
    Q_OBJECT

public:
    // Talks to the console through `comm`.
    explicit CSetupDlg(QWidget* parent = nullptr, CWeatherComm& comm = g_weatherComm);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void OnSave();
    void OnInit();
    void OnSelchangePressureUnit();
    void OnKillfocusRelPressure();
    void OnEnableAll();
    void OnDisableAll();

    // The controls, the calibration and the thresholds re-expressed for changed units, into a
    // block read afresh.
    void TakeSettings(CWeatherSettings& fresh);
    // The calibration in the display unit, its hPa copies and the unit beside it.
    void ShowPressures();
    // The controls' choices into a block read afresh.
    void TakeControls(CWeatherSettings& fresh) const;
    void SetPressureUnit(const std::string& unit);

    CWeatherComm& m_comm;
    bool m_saveEnabled = true;
    CWeatherSettings m_settings;
    std::string m_lastPresUnit;
    float m_presMax = 0;
    float m_presMin = 0;
};

#pragma once

#include "platform/qt/Dialog.h"
#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"

// The console's minimum and maximum records with their times, in its display units, and the
// reset of chosen ones to the current reading. A reset reads the block again and changes only
// the chosen records, so that whatever the console stored meanwhile (its history pointer above
// all) is written back as it is now.
class CScopeDlg : public CDialog {
    Q_OBJECT

public:
    // Talks to the console through `comm`.
    explicit CScopeDlg(QWidget* parent = nullptr, CWeatherComm& comm = g_weatherComm);

protected:
    bool OnInitDialog() override;

private:
    void OnReset();
    void OnAllOn();
    void OnAllOff();
    bool AnyChecked() const;
    bool IsChecked(int id) const;
    void ShowRecords();

    CWeatherComm& m_comm;
    // The reading at the newest history address, in the console's integers.
    CWeatherRecord m_record;
    // The block as read at opening, in the console's integers.
    CWeatherSettings m_settings;
    // Both were read: only then has a reset a reading to take.
    bool m_readingComplete = false;
};

#pragma once

#include "dialogs/TimeSpanControls.h"
#include "dialogs/core/RangePreset.h"
#include "platform/qt/Dialog.h"
#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"

#include <ctime>
#include <string>
#include <vector>

class CHistoryListCtrl;

// "History Data": the records of the data file for a time span, in the display units the
// console is set to, and what can be done with them: search a span, refresh, delete rows, clear
// the data file, clear the console's history memory, export chosen columns as CSV, and go on to
// the graph. The console (`comm`, the program's one link unless a test gives another) is read
// once, at opening, for its units.
class CHistoryDlg : public CDialog {
    Q_OBJECT

public:
    explicit CHistoryDlg(QWidget* parent = nullptr, CWeatherComm& comm = g_weatherComm);

    CHistoryListCtrl& List() const;
    // What Export offers of the list: an entry for each column the user can see.
    std::vector<std::string> OfferedColumns() const;

    // The range the frame hands in before the dialog opens and takes back when it has closed;
    // the dialog itself always opens with the current hour and never changes them.
    int m_rangePreset = -1;
    time_t m_rangeTimes[kRangeTimeCount] = {};

protected:
    bool OnInitDialog() override;
    void OnSize(int width, int height) override;

private:
    void ApplyRangePreset();
    void OnSearch();
    void OnRefresh();
    void OnDelete();
    void OnClearData();
    void OnClearMemory();
    void OnGraph();
    void OnExport();

    CWeatherComm& m_comm;
    CWeatherSettings m_settings;
    std::string m_startText;
    std::string m_endText;
    CTimeSpanControls m_timeSpan;
    CGrowBelowResize m_resize;
};

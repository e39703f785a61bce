#pragma once

#include "dialogs/TimeSpanControls.h"
#include "dialogs/core/RangePreset.h"
#include "platform/qt/Dialog.h"
#include "station/records/GraphRecords.h"

#include <ctime>
#include <string>
#include <vector>

class CTChart1;

// The graph dialog: one quantity of the stored records over a time span, drawn in the
// charting control, saved as a JPEG picture or printed. The span comes from a range preset or
// the pickers; rain is always drawn over a preset, as the period total that matches it. The
// frame hands its saved range in before the dialog opens and takes it back when it has closed.
class CGraphDlg : public CDialog {
public:
    explicit CGraphDlg(QWidget* parent);

    bool OnInitDialog() override;

    // Replaces the chart's content by the selected quantity over the records of the last
    // search, in the units the console is set to (read afresh).
    void BuildChart();

    void OnSearch();
    void OnRefresh();
    void OnSelchangeType();
    void OnSelchangeSeries();
    void ApplyRangePreset();
    void OnCheck3D();
    void OnExport();
    // The hidden Print command: the print dialog, then the chart on one page.
    void OnPrint();
    // The chart's scroll-permission event: the value axis (0) may not show values beyond the
    // quantity's limits; other axes scroll freely.
    void OnChartScrollRequest(int axis, double& lower, double& upper, bool& allow);

    double m_valueMax = 0;
    double m_valueMin = 0;
    CGraphRecordArray m_records;
    std::vector<unsigned> m_typeCodes;
    std::vector<std::string> m_typeNames;
    std::string m_endText;
    std::string m_startText;
    int m_rangePreset = -1;
    time_t m_rangeTimes[kRangeTimeCount] = {};
    CTChart1* m_chart = nullptr;

protected:
    void OnSize(int width, int height) override;

private:
    CTimeSpanControls m_span;
    CGrowBelowResize m_resize;
};

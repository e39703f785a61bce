#include "app/MainFrm.h"
#include "dialogs/GraphDlg_Tee8.h"
#include "dialogs/core/ChartSetup.h"
#include "dialogs/core/RangePreset.h"
#include "resources/ResourceIds.h"
#include "station/values/Clock.h"
#include "store/ControlRegistration.h"
#include "tests/render/WindowPictures.h"

namespace {

constexpr time_t kWeek = 7 * 24 * 3600;

// The graph dialog over the week of sample records: humidity and pressure over the week by
// user-defined pickers, rain by the month's totals (rain keeps to the presets).
std::unique_ptr<QWidget> OpenGraph(CMainFrame& frame, int quantity) {
    // What start-up does at every start, for the dialog's check of the chart control.
    if (!IsChartControlRegistered() && !RegisterProductOcx())
        return nullptr;
    auto dialog = std::make_unique<CGraphDlg>(&frame);
    if (!dialog->Create())
        return nullptr;
    const time_t now = CurrentTime();
    if (quantity == kQuantityRain) {
        dialog->SetCurSel(IDC_GRAPH_SERIES, quantity);
        dialog->OnSelchangeSeries();
        dialog->SetCurSel(IDC_GRAPH_RANGE, kRangeMonth);
        dialog->ApplyRangePreset();
    } else {
        dialog->SetCurSel(IDC_GRAPH_RANGE, kRangeUserDefined);
        dialog->SetPickerTime(IDC_GRAPH_START_DATE, now - kWeek);
        dialog->SetPickerTime(IDC_GRAPH_START_TIME, now - kWeek);
        dialog->SetCurSel(IDC_GRAPH_SERIES, quantity);
        dialog->OnSelchangeSeries();
    }
    dialog->OnSearch();
    return dialog;
}

const WindowPictureRegistration kHumidity{{"graph-humidity", true, [](CMainFrame& frame) {
                                               return OpenGraph(frame, kQuantityHumidity);
                                           }}};
const WindowPictureRegistration kPressure{{"graph-pressure", true, [](CMainFrame& frame) {
                                               return OpenGraph(frame, kQuantityPressure);
                                           }}};
const WindowPictureRegistration kRain{
    {"graph-rain", true, [](CMainFrame& frame) { return OpenGraph(frame, kQuantityRain); }}};

} // namespace

#include "dialogs/GraphDlg_Tee8.h"

#include "controls/TChart1.h"
#include "dialogs/ConsoleAccess.h"
#include "dialogs/core/ChartSetup.h"
#include "dialogs/core/GridExportFile.h"
#include "dialogs/core/RangePreset.h"
#include "platform/ocx/ChartMembers.h"
#include "platform/qt/FileDialog.h"
#include "resources/ResourceIds.h"
#include "station/console/WeatherSet.h"
#include "store/ControlRegistration.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <QComboBox>
#include <QKeySequence>
#include <QShortcut>

namespace {

// Text-table entries.

// The range items, in English in every language.
constexpr const char* kRangeItems[kRangePresetCount] = {"an hour", "24 hours", "a week", "a month",
                                                        "user defined"};

// What the dialog says when the control could not write the picture or print.
constexpr const char* kSaveFailed[kLanguageCount] = {"The picture could not be saved.",
                                                     "Das Bild konnte nicht gespeichert werden.",
                                                     "Billedet kunne ikke gemmes."};
constexpr const char* kPrintFailed[kLanguageCount] = {"The chart could not be printed.",
                                                      "Die Grafik konnte nicht gedruckt werden.",
                                                      "Grafen kunne ikke udskrives."};

constexpr int kJpegQuality = 100, kJpegWidth = 1024, kJpegHeight = 768;

ControlFactories GraphControls() {
    ControlFactories factories;
    AddChartControlFactory(factories);
    return factories;
}

} // namespace

CGraphDlg::CGraphDlg(QWidget* parent)
    : CDialog(kGraphDialogRow, parent, GraphControls()), m_typeCodes{ChartMember::kLineSeries},
      m_typeNames{Tr(kTextLine)}, m_span(*this, CTimeSpanControls::UserDefined::kKeepsPickers),
      m_resize(IDC_GRAPH_CHART,
               {IDC_GRAPH_SERIES_LABEL, IDC_GRAPH_SERIES, IDC_GRAPH_TYPE_LABEL, IDC_GRAPH_TYPE,
                IDC_GRAPH_3D, IDC_GRAPH_REFRESH, IDC_GRAPH_EXPORT, IDCANCEL}) {
    m_chart = GetDlgItem<CTChart1>(IDC_GRAPH_CHART);
    if (m_chart) {
        m_chart->SetScrollRequestHandler(
            [this](int axis, double& lower, double& upper, bool& allow) {
                OnChartScrollRequest(axis, lower, upper, allow);
            });
    }
    MessageMap<CGraphDlg>({
        {Notification::kClicked, IDC_GRAPH_SEARCH, &CGraphDlg::OnSearch},
        {Notification::kClicked, IDC_GRAPH_REFRESH, &CGraphDlg::OnRefresh},
        {Notification::kSelChange, IDC_GRAPH_TYPE, &CGraphDlg::OnSelchangeType},
        {Notification::kSelChange, IDC_GRAPH_SERIES, &CGraphDlg::OnSelchangeSeries},
        {Notification::kSelChange, IDC_GRAPH_RANGE, &CGraphDlg::ApplyRangePreset},
        {Notification::kClicked, IDC_GRAPH_3D, &CGraphDlg::OnCheck3D},
        {Notification::kClicked, IDC_GRAPH_EXPORT, &CGraphDlg::OnExport},
        {Notification::kClicked, IDC_GRAPH_PRINT, &CGraphDlg::OnPrint},
    });
    // The Print button stays hidden as the templates have it; the desktop's print key reaches
    // its command all the same.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            [this] { OnPrint(); });
}

bool CGraphDlg::OnInitDialog() {
    // Without the control there is nothing to set up: the dialog ends at once.
    if (!IsChartControlRegistered() || !m_chart) {
        MessageBox("teechart.ocx cann't be installed!");
        EndDialog(IDCANCEL);
        return true;
    }
    CDialog::OnInitDialog();
    QComboBox* type = Combo(IDC_GRAPH_TYPE);
    for (const std::string& name : m_typeNames)
        type->addItem(QString::fromStdString(name));
    SetCurSel(IDC_GRAPH_TYPE, 0);
    SetCurSel(IDC_GRAPH_SERIES, kQuantityHumidity);
    m_span.SetUp();
    QComboBox* range = Combo(IDC_GRAPH_RANGE);
    range->clear();
    for (const char* item : kRangeItems)
        range->addItem(item);
    SetCurSel(IDC_GRAPH_RANGE, kRangeHour);
    ApplyRangePreset();
    OnSearch();
    return true;
}

void CGraphDlg::ApplyRangePreset() {
    m_span.ApplyRangePreset();
}

void CGraphDlg::OnSearch() {
    if (m_span.ReadSearchSpan(m_startText, m_endText))
        OnRefresh();
}

void CGraphDlg::OnRefresh() {
    LoadGraphRecords(m_records, m_startText, m_endText);
    BuildChart();
}

void CGraphDlg::OnSelchangeType() {
    BuildChart();
}

void CGraphDlg::OnCheck3D() {
    BuildChart();
}

void CGraphDlg::OnSelchangeSeries() {
    QComboBox* range = Combo(IDC_GRAPH_RANGE);
    bool searched = false;
    if (GetCurSel(IDC_GRAPH_SERIES) == kQuantityRain) {
        // Rain is drawn as the total of a period, so the span is always a preset's.
        if (GetCurSel(IDC_GRAPH_RANGE) == kRangeUserDefined) {
            SetCurSel(IDC_GRAPH_RANGE, kRangeHour);
            ApplyRangePreset();
            OnSearch();
            searched = true;
        }
        if (range->count() == kRangePresetCount)
            range->removeItem(kRangeUserDefined);
        m_span.EnablePickers(false);
    } else {
        if (range->count() < kRangePresetCount)
            range->addItem(kRangeItems[kRangeUserDefined]);
        m_span.EnablePickers(true);
    }
    if (!searched)
        BuildChart();
}

void CGraphDlg::BuildChart() {
    if (!m_chart)
        return;
    CWeatherSettings settings;
    {
        // Without the console the chart keeps the default units.
        const CConsoleAccess console(*this, g_weatherComm, std::nullopt);
        if (console.IsTaken())
            g_weatherComm.ReadFixedBlock(settings, 0, false);
    }
    ChartRequest request;
    request.quantity = GetCurSel(IDC_GRAPH_SERIES);
    request.quantityName = GetDlgItemText(IDC_GRAPH_SERIES);
    request.view3D = IsDlgButtonChecked(IDC_GRAPH_3D) == 1;
    request.range = GetCurSel(IDC_GRAPH_RANGE);
    request.pickerStart = m_span.StartTime();
    request.pickerEnd = m_span.EndTime();
    request.startText = m_startText;
    request.endText = m_endText;
    if (const std::optional<ValueLimits> limits =
            SetUpChart(m_chart->Dispatch(), request, m_records, settings)) {
        m_valueMin = limits->min;
        m_valueMax = limits->max;
    }
}

void CGraphDlg::OnExport() {
    const SaveFileRequest request{"JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||", "jpg",
                                  "Talvorin.jpg", true};
    std::string path;
    if (!ShowSaveFileDialog(this, request, path))
        return;
    if (IsExportPathTooLong(path)) {
        MessageBox(Tr(kTextFileNameTooLong), Tr(kTextOperationNotify), kMbIconInformation);
        return;
    }
    using namespace ChartMember;
    const DispResult saved =
        (DispatchPath(&m_chart->Dispatch()) / kExport)
            .Call(kSaveJpeg, {DispValue::Text(path), DispValue::Bool(false), DispValue::I4(0),
                              DispValue::I4(kJpegQuality), DispValue::I4(kJpegWidth),
                              DispValue::I4(kJpegHeight)});
    if (!saved.known || !saved.value.Truth())
        MessageBox(kSaveFailed[g_lang], {}, kMbIconError);
}

void CGraphDlg::OnPrint() {
    using namespace ChartMember;
    const DispResult printed = (DispatchPath(&m_chart->Dispatch()) / kPrinter).Call(kPrint);
    if (!printed.known || printed.value.Integer() < 0)
        MessageBox(kPrintFailed[g_lang], {}, kMbIconError);
}

void CGraphDlg::OnChartScrollRequest(int axis, double& lower, double& upper, bool& allow) {
    allow = true;
    if (axis == ChartMember::kEventLeftAxis && (upper > m_valueMax || !(lower >= m_valueMin)))
        allow = false;
}

void CGraphDlg::OnSize(int width, int height) {
    CDialog::OnSize(width, height);
    m_resize.OnSize(*this, width, height);
}

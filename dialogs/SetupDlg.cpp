#include "dialogs/SetupDlg.h"

#include "dialogs/ConsoleAccess.h"
#include "dialogs/ConsoleBlockAccess.h"
#include "dialogs/OperationQuestion.h"
#include "platform/qt/ComboSearch.h"
#include "platform/qt/DataExchange.h"
#include "resources/ResourceIds.h"
#include "station/console/AlarmInputLimits.h"
#include "station/console/AlarmThresholds.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "station/values/WeatherFmt.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <QComboBox>

namespace {

using S = CWeatherSettings;

// How a control shows its field and gives it back.
enum class Shown {
    kZoneItem,        // the item equal to the field, ignoring case / the item's text
    kTemperatureUnit, // "°C" or "°F", the dialog's own two items
    kUnitItem,        // the first item the field's text begins with / the shown text
    kIndex,           // the item at the field's number / "%d" of the selection
    kEditText,        // the edit's text, both ways
};

constexpr InputLimits<int> kIntervalLimits{5, 240}; // minutes

struct SetupControl {
    int id;
    std::string S::*field;
    Shown shown;
    const InputLimits<int>* limits = nullptr; // an edit's whole number must lie within these
};

const SetupControl kControls[] = {
    {IDC_SETUP_TIME_ZONE, &S::timeZone, Shown::kZoneItem},
    {IDC_SETUP_INTERVAL, &S::historyCircle, Shown::kEditText, &kIntervalLimits},
    {IDC_SETUP_INDOOR_TEMPERATURE_UNIT, &S::indTempUnit, Shown::kTemperatureUnit},
    {IDC_SETUP_OUTDOOR_TEMPERATURE_UNIT, &S::outTempUnit, Shown::kTemperatureUnit},
    {IDC_SETUP_LIGHT_UNIT, &S::lightmeterUnit, Shown::kUnitItem},
    {IDC_SETUP_RAIN_UNIT, &S::rainUnit, Shown::kUnitItem},
    {IDC_SETUP_PRESSURE_UNIT, &S::presUnit, Shown::kUnitItem},
    {IDC_SETUP_WIND_UNIT, &S::windUnit, Shown::kUnitItem},
    {IDC_SETUP_TIME_FORMAT, &S::timeFmt, Shown::kIndex},
    {IDC_SETUP_DATE_FORMAT, &S::dateFmt, Shown::kIndex},
    {IDC_SETUP_HOUR_FORMAT, &S::hourFmt, Shown::kIndex},
    {IDC_SETUP_AXIS_FORMAT, &S::axisFmt, Shown::kIndex},
    {IDC_SETUP_OUTDOOR_FORMAT, &S::outTempFmt, Shown::kIndex},
    {IDC_SETUP_PRESSURE_FORMAT, &S::presFmt, Shown::kIndex},
    {IDC_SETUP_WIND_FORMAT, &S::windFmt, Shown::kIndex},
    {IDC_SETUP_RAIN_FORMAT, &S::rainFmt, Shown::kIndex},
};

struct AlarmEnable {
    int id;
    std::string S::*flag;
};

const AlarmEnable kAlarmEnables[] = {
    {IDC_ENABLE_TIME, &S::timeAlarmFlag},
    {IDC_ENABLE_WIND_DIRECTION, &S::windDirAlarmFlag},
    {IDC_ENABLE_LIGHT, &S::lightmeterHighAlarmFlag},
    {IDC_ENABLE_UV, &S::uvHighAlarmFlag},
    {IDC_ENABLE_INDOOR_HUMIDITY_LOW, &S::indHumiLowAlarmFlag},
    {IDC_ENABLE_INDOOR_HUMIDITY_HIGH, &S::indHumiHighAlarmFlag},
    {IDC_ENABLE_OUTDOOR_HUMIDITY_LOW, &S::outHumiLowAlarmFlag},
    {IDC_ENABLE_OUTDOOR_HUMIDITY_HIGH, &S::outHumiHighAlarmFlag},
    {IDC_ENABLE_WIND_SPEED, &S::windAlarmFlag},
    {IDC_ENABLE_GUST_SPEED, &S::gustAlarmFlag},
    {IDC_ENABLE_RAIN_HOUR, &S::hourRainAlarmFlag},
    {IDC_ENABLE_RAIN_DAY, &S::dayRainAlarmFlag},
    {IDC_ENABLE_ABSOLUTE_PRESSURE_LOW, &S::absPresLowAlarmFlag},
    {IDC_ENABLE_ABSOLUTE_PRESSURE_HIGH, &S::absPresHighAlarmFlag},
    {IDC_ENABLE_RELATIVE_PRESSURE_LOW, &S::relPresLowAlarmFlag},
    {IDC_ENABLE_RELATIVE_PRESSURE_HIGH, &S::relPresHighAlarmFlag},
    {IDC_ENABLE_INDOOR_TEMPERATURE_LOW, &S::indTempLowAlarmFlag},
    {IDC_ENABLE_INDOOR_TEMPERATURE_HIGH, &S::indTempHighAlarmFlag},
    {IDC_ENABLE_OUTDOOR_TEMPERATURE_LOW, &S::outTempLowAlarmFlag},
    {IDC_ENABLE_OUTDOOR_TEMPERATURE_HIGH, &S::outTempHighAlarmFlag},
    {IDC_ENABLE_WINDCHILL_LOW, &S::windchillLowAlarmFlag},
    {IDC_ENABLE_WINDCHILL_HIGH, &S::windchillHighAlarmFlag},
    {IDC_ENABLE_DEWPOINT_LOW, &S::dewpointLowAlarmFlag},
    {IDC_ENABLE_DEWPOINT_HIGH, &S::dewpointHighAlarmFlag},
};

constexpr int kPressureUnitLabels[] = {IDC_SETUP_RELATIVE_PRESSURE_UNIT,
                                       IDC_SETUP_ABSOLUTE_PRESSURE_UNIT};

} // namespace

CSetupDlg::CSetupDlg(QWidget* parent, CWeatherComm& comm)
    : CDialog(kSetupDialogRow, parent), m_comm(comm) {
    MessageMap<CSetupDlg>({
        {Notification::kClicked, IDC_SAVE, &CSetupDlg::OnSave},
        {Notification::kClicked, IDC_SETUP_INIT, &CSetupDlg::OnInit},
        {Notification::kSelChange, IDC_SETUP_PRESSURE_UNIT, &CSetupDlg::OnSelchangePressureUnit},
        {Notification::kKillFocus, IDC_SETUP_RELATIVE_PRESSURE, &CSetupDlg::OnKillfocusRelPressure},
        {Notification::kClicked, IDC_ALL_ON, &CSetupDlg::OnEnableAll},
        {Notification::kClicked, IDC_ALL_OFF, &CSetupDlg::OnDisableAll},
    });
}

// Loading shows m_settings, whose thresholds and pressures are already scaled; saving checks
// what was typed, in the table's order. The choices reach the console through TakeControls.
void CSetupDlg::DoDataExchange(CDataExchange& dx) {
    for (const SetupControl& control : kControls) {
        if (dx.m_saveAndValidate) {
            if (control.limits)
                DDV_WholeNumberText(dx, control.id, control.limits->min, control.limits->max);
            continue;
        }
        const std::string& field = m_settings.*control.field;
        switch (control.shown) {
        case Shown::kZoneItem:
            SetCurSel(control.id, FindStringExact(*Combo(control.id), -1, field));
            break;
        case Shown::kTemperatureUnit:
            SetCurSel(control.id, field == kUnitCelsius ? 0 : 1);
            break;
        case Shown::kUnitItem:
            SelectString(*Combo(control.id), 0, field);
            break;
        case Shown::kIndex:
            SetCurSel(control.id, ReadInt(field));
            break;
        case Shown::kEditText:
            SetDlgItemText(control.id, field);
            break;
        }
    }
    if (dx.m_saveAndValidate) {
        // The calibration's limits follow the pressure unit picked.
        for (int edit : {IDC_SETUP_RELATIVE_PRESSURE, IDC_SETUP_ABSOLUTE_PRESSURE})
            DDV_NumberText(dx, edit, m_presMin, m_presMax);
        return;
    }
    for (const AlarmEnable& enable : kAlarmEnables)
        CheckDlgButton(enable.id, ReadInt(m_settings.*enable.flag));
    ShowPressures();
}

bool CSetupDlg::OnInitDialog() {
    const OpeningRead read = ReadBlockAtOpening(*this, m_comm, m_settings);
    m_saveEnabled = read == OpeningRead::kRead;
    if (read == OpeningRead::kBusy)
        return true;
    for (int id : {IDC_SETUP_INDOOR_TEMPERATURE_UNIT, IDC_SETUP_OUTDOOR_TEMPERATURE_UNIT}) {
        Combo(id)->addItem(QString::fromUtf8(kUnitCelsius.data(), kUnitCelsius.size()));
        Combo(id)->addItem(QString::fromUtf8(kUnitFahrenheit.data(), kUnitFahrenheit.size()));
    }
    ScaleAlarmThresholds(m_settings);
    UpdateData(false);
    EnableDlgItem(IDC_SAVE, m_saveEnabled);
    return true;
}

void CSetupDlg::ShowPressures() {
    SetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE_HPA, m_settings.relPres);
    SetDlgItemText(IDC_SETUP_ABSOLUTE_PRESSURE_HPA, m_settings.absPres);
    const std::string& unit = m_settings.presUnit;
    for (int label : kPressureUnitLabels)
        SetDlgItemText(label, unit);
    SetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE,
                   FormatPressureFromMetric(m_settings.relPres, 1.0f, unit));
    SetEditModified(IDC_SETUP_RELATIVE_PRESSURE, false);
    SetDlgItemText(IDC_SETUP_ABSOLUTE_PRESSURE,
                   FormatPressureFromMetric(m_settings.absPres, 1.0f, unit));
    SetPressureUnit(unit);
}

void CSetupDlg::SetPressureUnit(const std::string& unit) {
    m_lastPresUnit = unit;
    const InputLimits<float> limits = PressureInputLimits(unit);
    m_presMin = limits.min;
    m_presMax = limits.max;
}

void CSetupDlg::TakeControls(CWeatherSettings& fresh) const {
    for (const SetupControl& control : kControls) {
        std::string& field = fresh.*control.field;
        const int selection = control.shown == Shown::kEditText ? 0 : GetCurSel(control.id);
        // A drop-down that shows nothing leaves the console's value as it is: the console
        // may hold a value the list does not offer.
        if (selection < 0)
            continue;
        switch (control.shown) {
        case Shown::kTemperatureUnit:
            field = selection == 0 ? kUnitCelsius : kUnitFahrenheit;
            break;
        case Shown::kIndex:
            field = std::to_string(selection);
            break;
        case Shown::kZoneItem:
        case Shown::kUnitItem:
            field = GetDlgItemText(control.id);
            break;
        case Shown::kEditText:
            field = GetNumberText(*this, control.id);
            break;
        }
    }
    for (const AlarmEnable& enable : kAlarmEnables)
        fresh.*enable.flag = std::to_string(IsDlgButtonChecked(enable.id));
}

void CSetupDlg::OnSelchangePressureUnit() {
    const std::string unit = GetDlgItemText(IDC_SETUP_PRESSURE_UNIT);
    if (unit == m_lastPresUnit)
        return;
    for (int label : kPressureUnitLabels)
        SetDlgItemText(label, unit);
    for (int edit : {IDC_SETUP_RELATIVE_PRESSURE, IDC_SETUP_ABSOLUTE_PRESSURE})
        SetDlgItemText(edit,
                       FormatPressure(GetNumberText(*this, edit), 1.0f, m_lastPresUnit, unit));
    SetPressureUnit(unit);
}

void CSetupDlg::OnKillfocusRelPressure() {
    // The hPa copy changes only with what the user typed: converted back from the rounded
    // display text, an untouched calibration would drift by a tenth of an hPa or more. The
    // absolute pressure is never typed, so its copy stays as read.
    if (!IsEditModified(IDC_SETUP_RELATIVE_PRESSURE))
        return;
    SetEditModified(IDC_SETUP_RELATIVE_PRESSURE, false);
    SetDlgItemText(IDC_SETUP_RELATIVE_PRESSURE_HPA,
                   FormatPressure(GetNumberText(*this, IDC_SETUP_RELATIVE_PRESSURE), 1.0f,
                                  GetDlgItemText(IDC_SETUP_PRESSURE_UNIT), kUnitHpa));
}

void CSetupDlg::OnSave() {
    const auto showAgain = [this] {
        ScaleAlarmThresholds(m_settings);
        UpdateData(false);
    };
    if (SaveIntoFreshBlock(*this, m_comm, m_settings, {kTextReadSetupFailed, kTextSaveSetupFailed},
                           showAgain, [this](CWeatherSettings& fresh) { TakeSettings(fresh); }))
        EndDialog(IDOK);
}

void CSetupDlg::TakeSettings(CWeatherSettings& fresh) {
    // A relative pressure typed and saved with the keyboard, without leaving its edit.
    OnKillfocusRelPressure();
    TakeControls(fresh);
    fresh.updateFlag = "1";
    fresh.relPres = StoredThreshold(GetNumberText(*this, IDC_SETUP_RELATIVE_PRESSURE_HPA), 10.0f);
    fresh.absPres = StoredThreshold(GetNumberText(*this, IDC_SETUP_ABSOLUTE_PRESSURE_HPA), 10.0f);
    ReexpressAlarmThresholds(fresh, m_settings);
}

void CSetupDlg::OnInit() {
    if (!ConfirmOperation(*this, kTextInitQuestion))
        return;
    bool done = false;
    {
        // Re-initialising writes to the console like any other access, so it waits for the
        // monitor thread as they do.
        const CConsoleAccess console(*this, m_comm);
        if (!console.IsTaken())
            return;
        done = m_comm.ReinitStation();
    }
    if (!done) {
        MessageBox(Tr(kTextInitFailed));
        return;
    }
    EndDialog(IDOK);
}

void CSetupDlg::OnEnableAll() {
    CheckAllBoxes(1);
}

void CSetupDlg::OnDisableAll() {
    CheckAllBoxes(0);
}

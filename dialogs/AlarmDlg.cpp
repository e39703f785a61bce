#include "dialogs/AlarmDlg.h"

#include "dialogs/ConsoleBlockAccess.h"
#include "dialogs/SettingsChangedText.h"
#include "platform/qt/DataExchange.h"
#include "resources/ResourceIds.h"
#include "station/console/AlarmThresholds.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "station/values/WeatherFmt.h"
#include "texts/TextEntries.h"

#include <cstddef>

namespace {

using S = CWeatherSettings;

// What a threshold measures: it decides its limits, its unit and how the console stores it.
enum class Quantity {
    kHour,
    kMinute,
    kHumidity,
    kIndoorTemperature,
    kOutdoorTemperature,
    kPressure,
    kRain,
    kWindSpeed,
    kLevel,
    kUv,
    kLight,
};

struct Threshold {
    int id;
    std::string S::*field;
    Quantity quantity;
};

// In the order the values are exchanged and validated.
const Threshold kThresholds[CAlarmDlg::kThresholdCount] = {
    {IDC_ALARM_HOUR, &S::timeAlarmHour, Quantity::kHour},
    {IDC_ALARM_MINUTE, &S::timeAlarmMinute, Quantity::kMinute},
    {IDC_ALARM_INDOOR_HUMIDITY_HIGH, &S::indHumiHighAlarm, Quantity::kHumidity},
    {IDC_ALARM_INDOOR_HUMIDITY_LOW, &S::indHumiLowAlarm, Quantity::kHumidity},
    {IDC_ALARM_OUTDOOR_HUMIDITY_HIGH, &S::outHumiHighAlarm, Quantity::kHumidity},
    {IDC_ALARM_OUTDOOR_HUMIDITY_LOW, &S::outHumiLowAlarm, Quantity::kHumidity},
    {IDC_ALARM_INDOOR_TEMPERATURE_HIGH, &S::indTempHighAlarm, Quantity::kIndoorTemperature},
    {IDC_ALARM_INDOOR_TEMPERATURE_LOW, &S::indTempLowAlarm, Quantity::kIndoorTemperature},
    {IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH, &S::outTempHighAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_OUTDOOR_TEMPERATURE_LOW, &S::outTempLowAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_RELATIVE_PRESSURE_HIGH, &S::relPresHighAlarm, Quantity::kPressure},
    {IDC_ALARM_RELATIVE_PRESSURE_LOW, &S::relPresLowAlarm, Quantity::kPressure},
    {IDC_ALARM_ABSOLUTE_PRESSURE_HIGH, &S::absPresHighAlarm, Quantity::kPressure},
    {IDC_ALARM_ABSOLUTE_PRESSURE_LOW, &S::absPresLowAlarm, Quantity::kPressure},
    {IDC_ALARM_RAIN_DAY, &S::dayRainAlarm, Quantity::kRain},
    {IDC_ALARM_DEWPOINT_HIGH, &S::dewpointHighAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_DEWPOINT_LOW, &S::dewpointLowAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_GUST_SPEED, &S::gustAlarm, Quantity::kWindSpeed},
    {IDC_ALARM_GUST_LEVEL, &S::gustLevelAlarm, Quantity::kLevel},
    {IDC_ALARM_RAIN_HOUR, &S::hourRainAlarm, Quantity::kRain},
    {IDC_ALARM_WIND_SPEED, &S::windAlarm, Quantity::kWindSpeed},
    {IDC_ALARM_WINDCHILL_HIGH, &S::windchillHighAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_WINDCHILL_LOW, &S::windchillLowAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_WIND_LEVEL, &S::windsLevelAlarm, Quantity::kLevel},
    {IDC_ALARM_UV, &S::uvHighAlarm, Quantity::kUv},
    {IDC_ALARM_LIGHT, &S::lightmeterHighAlarm, Quantity::kLight},
};

// The limits of the thresholds typed as whole numbers; nullptr for those with decimals.
const InputLimits<int>* WholeLimits(Quantity quantity) {
    switch (quantity) {
    case Quantity::kHour:
        return &kAlarmHourLimits;
    case Quantity::kMinute:
        return &kAlarmMinuteLimits;
    case Quantity::kHumidity:
        return &kHumidityThresholdLimits;
    case Quantity::kLevel:
        return &kBeaufortThresholdLimits;
    case Quantity::kUv:
        return &kUvThresholdLimits;
    default:
        return nullptr;
    }
}

InputLimits<float> DecimalLimits(const AlarmInputLimits& limits, Quantity quantity) {
    switch (quantity) {
    case Quantity::kIndoorTemperature:
        return limits.indoorTemperature;
    case Quantity::kOutdoorTemperature:
        return limits.outdoorTemperature;
    case Quantity::kPressure:
        return limits.pressure;
    case Quantity::kRain:
        return limits.rain;
    case Quantity::kWindSpeed:
        return limits.windSpeed;
    default:
        return limits.light;
    }
}

// The display unit a decimal threshold is typed in.
const std::string& UnitOf(const CWeatherSettings& settings, Quantity quantity) {
    switch (quantity) {
    case Quantity::kIndoorTemperature:
        return settings.indTempUnit;
    case Quantity::kOutdoorTemperature:
        return settings.outTempUnit;
    case Quantity::kPressure:
        return settings.presUnit;
    case Quantity::kRain:
        return settings.rainUnit;
    case Quantity::kWindSpeed:
        return settings.windUnit;
    default:
        return settings.lightmeterUnit;
    }
}

// A typed threshold as the console stores it, scaled by the units of `settings`.
std::string Stored(const std::string& text, Quantity quantity, const CWeatherSettings& settings) {
    switch (quantity) {
    case Quantity::kHour:
    case Quantity::kMinute:
    case Quantity::kUv:
        return TwoDigitThreshold(text);
    case Quantity::kHumidity:
    case Quantity::kLevel:
        return StoredThreshold(text, 1.0f);
    default:
        return StoredThreshold(text, AlarmThresholdScale(UnitOf(settings, quantity)));
    }
}

// The labels beside the edits and what each shows.
struct UnitLabel {
    int id;
    std::string S::*unit; // nullptr: the fixed text
    const char* text;
};

const UnitLabel kUnitLabels[] = {
    {IDC_ALARM_INDOOR_HUMIDITY_HIGH_UNIT, nullptr, "%"},
    {IDC_ALARM_INDOOR_HUMIDITY_LOW_UNIT, nullptr, "%"},
    {IDC_ALARM_OUTDOOR_HUMIDITY_HIGH_UNIT, nullptr, "%"},
    {IDC_ALARM_OUTDOOR_HUMIDITY_LOW_UNIT, nullptr, "%"},
    {IDC_ALARM_INDOOR_TEMPERATURE_HIGH_UNIT, &S::indTempUnit, nullptr},
    {IDC_ALARM_INDOOR_TEMPERATURE_LOW_UNIT, &S::indTempUnit, nullptr},
    {IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH_UNIT, &S::outTempUnit, nullptr},
    {IDC_ALARM_OUTDOOR_TEMPERATURE_LOW_UNIT, &S::outTempUnit, nullptr},
    {IDC_ALARM_WINDCHILL_HIGH_UNIT, &S::outTempUnit, nullptr},
    {IDC_ALARM_WINDCHILL_LOW_UNIT, &S::outTempUnit, nullptr},
    {IDC_ALARM_DEWPOINT_HIGH_UNIT, &S::outTempUnit, nullptr},
    {IDC_ALARM_DEWPOINT_LOW_UNIT, &S::outTempUnit, nullptr},
    {IDC_ALARM_RELATIVE_PRESSURE_HIGH_UNIT, &S::presUnit, nullptr},
    {IDC_ALARM_RELATIVE_PRESSURE_LOW_UNIT, &S::presUnit, nullptr},
    {IDC_ALARM_ABSOLUTE_PRESSURE_HIGH_UNIT, &S::presUnit, nullptr},
    {IDC_ALARM_ABSOLUTE_PRESSURE_LOW_UNIT, &S::presUnit, nullptr},
    {IDC_ALARM_WIND_LEVEL_UNIT, nullptr, "bft"},
    {IDC_ALARM_GUST_LEVEL_UNIT, nullptr, "bft"},
    {IDC_ALARM_WIND_SPEED_UNIT, &S::windUnit, nullptr},
    {IDC_ALARM_GUST_SPEED_UNIT, &S::windUnit, nullptr},
    {IDC_ALARM_RAIN_HOUR_UNIT, &S::rainUnit, nullptr},
    {IDC_ALARM_RAIN_DAY_UNIT, &S::rainUnit, nullptr},
    {IDC_ALARM_LIGHT_UNIT, &S::lightmeterUnit, nullptr},
    {IDC_ALARM_UV_UNIT, nullptr, ""},
    {IDC_ALARM_TIME_UNIT, nullptr, ""},
    {IDC_ALARM_WIND_DIRECTION_UNIT, nullptr, ""},
};

} // namespace

CAlarmDlg::CAlarmDlg(QWidget* parent, CWeatherComm& comm)
    : CDialog(kAlarmDialogRow, parent), m_comm(comm) {
    MessageMap<CAlarmDlg>({
        {Notification::kClicked, IDC_SAVE, &CAlarmDlg::OnSave},
        {Notification::kKillFocus, IDC_ALARM_WIND_SPEED, &CAlarmDlg::OnKillfocusWindSpeed},
        {Notification::kKillFocus, IDC_ALARM_WIND_LEVEL, &CAlarmDlg::OnKillfocusWindLevel},
        {Notification::kKillFocus, IDC_ALARM_GUST_SPEED, &CAlarmDlg::OnKillfocusGustSpeed},
        {Notification::kKillFocus, IDC_ALARM_GUST_LEVEL, &CAlarmDlg::OnKillfocusGustLevel},
    });
}

void CAlarmDlg::DoDataExchange(CDataExchange& dx) {
    for (std::size_t i = 0; i < std::size(kThresholds); ++i) {
        const Threshold& threshold = kThresholds[i];
        if (const InputLimits<int>* limits = WholeLimits(threshold.quantity)) {
            DDX_Text(dx, threshold.id, m_whole[i]);
            DDV_MinMaxInt(dx, m_whole[i], limits->min, limits->max);
        } else {
            const InputLimits<float> range = DecimalLimits(m_limits, threshold.quantity);
            DDX_Text(dx, threshold.id, m_decimal[i]);
            DDV_MinMaxFloat(dx, m_decimal[i], range.min, range.max);
        }
    }
}

bool CAlarmDlg::OnInitDialog() {
    const OpeningRead read = ReadBlockAtOpening(*this, m_comm, m_settings);
    m_saveEnabled = read == OpeningRead::kRead;
    if (read == OpeningRead::kBusy)
        return true;
    CDialog::OnInitDialog();
    ShowSettings();
    EnableDlgItem(IDC_SAVE, m_saveEnabled);
    return true;
}

void CAlarmDlg::ShowSettings() {
    m_limits = AlarmInputLimitsFor(m_settings);
    ScaleAlarmThresholds(m_settings);
    // The console's values replace whatever was typed, which no longer moves a partner.
    for (const Threshold& threshold : kThresholds) {
        SetDlgItemText(threshold.id, m_settings.*threshold.field);
        SetEditModified(threshold.id, false);
    }
    const std::string& direction = m_settings.windDirAlarm;
    SetCurSel(IDC_ALARM_WIND_DIRECTION, IsMissingText(direction) ? -1 : ReadInt(direction));
    for (const UnitLabel& label : kUnitLabels)
        SetDlgItemText(label.id, label.unit ? m_settings.*label.unit : std::string(label.text));
}

void CAlarmDlg::UpdatePartner(int edit, std::string CWeatherSettings::*field, int partner,
                              std::string CWeatherSettings::*partnerField, bool fromLevel) {
    // Only what the user typed since the last recompute moves the partner: a value the partner
    // itself was given, or a typed value left once more, would overwrite the partner the user
    // typed last with a rounded conversion.
    if (!IsEditModified(edit))
        return;
    SetEditModified(edit, false);
    const std::string text = GetDlgItemText(edit);
    const std::string& windUnit = m_settings.windUnit;
    m_settings.*field = text;
    m_settings.*partnerField = fromLevel ? FormatWindSpeed(text, 1.0f, kUnitBft, windUnit)
                                         : FormatWindSpeed(text, 1.0f, windUnit, kUnitBft);
    SetDlgItemText(partner, m_settings.*partnerField);
}

void CAlarmDlg::OnKillfocusWindSpeed() {
    UpdatePartner(IDC_ALARM_WIND_SPEED, &S::windAlarm, IDC_ALARM_WIND_LEVEL, &S::windsLevelAlarm,
                  false);
}

void CAlarmDlg::OnKillfocusWindLevel() {
    UpdatePartner(IDC_ALARM_WIND_LEVEL, &S::windsLevelAlarm, IDC_ALARM_WIND_SPEED, &S::windAlarm,
                  true);
}

void CAlarmDlg::OnKillfocusGustSpeed() {
    UpdatePartner(IDC_ALARM_GUST_SPEED, &S::gustAlarm, IDC_ALARM_GUST_LEVEL, &S::gustLevelAlarm,
                  false);
}

void CAlarmDlg::OnKillfocusGustLevel() {
    UpdatePartner(IDC_ALARM_GUST_LEVEL, &S::gustLevelAlarm, IDC_ALARM_GUST_SPEED, &S::gustAlarm,
                  true);
}

void CAlarmDlg::TakeThresholds(CWeatherSettings& fresh) const {
    for (const Threshold& threshold : kThresholds)
        fresh.*threshold.field =
            Stored(GetDlgItemText(threshold.id), threshold.quantity, m_settings);
    fresh.windDirAlarm = std::to_string(GetCurSel(IDC_ALARM_WIND_DIRECTION));
}

void CAlarmDlg::OnSave() {
    if (ConfirmAndSave(*this, m_comm, [this] { return SaveThresholds(); }))
        EndDialog(IDOK);
}

bool CAlarmDlg::SaveThresholds() {
    CWeatherSettings fresh;
    if (!m_comm.ReadFixedBlock(fresh, kWholeBlock, false)) {
        MessageBox(Tr(kTextReadAlarmFailed));
        return false;
    }
    // The thresholds were typed in the units read at opening: written under other units they
    // would be ten or a hundred times off.
    if (!SameThresholdUnits(fresh, m_settings)) {
        m_settings = fresh;
        ShowSettings();
        MessageBox(SettingsChangedMeanwhileText());
        return false;
    }
    TakeThresholds(fresh);
    if (!m_comm.WriteFixedBlock(fresh, kWholeBlock, false)) {
        MessageBox(Tr(kTextSaveAlarmFailed));
        return false;
    }
    return true;
}

#include "dialogs/AlarmDlg.h"

#include "dialogs/ConsoleBlockAccess.h"
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

// No label beside the edit.
constexpr int kNoLabel = 0;

struct Threshold {
    int id;
    int unitLabel; // the label showing the unit it is typed in
    std::string S::*field;
    Quantity quantity;
};

// In the order the values are exchanged and validated.
const Threshold kThresholds[CAlarmDlg::kThresholdCount] = {
    {IDC_ALARM_HOUR, IDC_ALARM_TIME_UNIT, &S::timeAlarmHour, Quantity::kHour},
    {IDC_ALARM_MINUTE, kNoLabel, &S::timeAlarmMinute, Quantity::kMinute},
    {IDC_ALARM_INDOOR_HUMIDITY_HIGH, IDC_ALARM_INDOOR_HUMIDITY_HIGH_UNIT, &S::indHumiHighAlarm,
     Quantity::kHumidity},
    {IDC_ALARM_INDOOR_HUMIDITY_LOW, IDC_ALARM_INDOOR_HUMIDITY_LOW_UNIT, &S::indHumiLowAlarm,
     Quantity::kHumidity},
    {IDC_ALARM_OUTDOOR_HUMIDITY_HIGH, IDC_ALARM_OUTDOOR_HUMIDITY_HIGH_UNIT, &S::outHumiHighAlarm,
     Quantity::kHumidity},
    {IDC_ALARM_OUTDOOR_HUMIDITY_LOW, IDC_ALARM_OUTDOOR_HUMIDITY_LOW_UNIT, &S::outHumiLowAlarm,
     Quantity::kHumidity},
    {IDC_ALARM_INDOOR_TEMPERATURE_HIGH, IDC_ALARM_INDOOR_TEMPERATURE_HIGH_UNIT,
     &S::indTempHighAlarm, Quantity::kIndoorTemperature},
    {IDC_ALARM_INDOOR_TEMPERATURE_LOW, IDC_ALARM_INDOOR_TEMPERATURE_LOW_UNIT, &S::indTempLowAlarm,
     Quantity::kIndoorTemperature},
    {IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH, IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH_UNIT,
     &S::outTempHighAlarm, Quantity::kOutdoorTemperature},
    {IDC_ALARM_OUTDOOR_TEMPERATURE_LOW, IDC_ALARM_OUTDOOR_TEMPERATURE_LOW_UNIT, &S::outTempLowAlarm,
     Quantity::kOutdoorTemperature},
    {IDC_ALARM_RELATIVE_PRESSURE_HIGH, IDC_ALARM_RELATIVE_PRESSURE_HIGH_UNIT, &S::relPresHighAlarm,
     Quantity::kPressure},
    {IDC_ALARM_RELATIVE_PRESSURE_LOW, IDC_ALARM_RELATIVE_PRESSURE_LOW_UNIT, &S::relPresLowAlarm,
     Quantity::kPressure},
    {IDC_ALARM_ABSOLUTE_PRESSURE_HIGH, IDC_ALARM_ABSOLUTE_PRESSURE_HIGH_UNIT, &S::absPresHighAlarm,
     Quantity::kPressure},
    {IDC_ALARM_ABSOLUTE_PRESSURE_LOW, IDC_ALARM_ABSOLUTE_PRESSURE_LOW_UNIT, &S::absPresLowAlarm,
     Quantity::kPressure},
    {IDC_ALARM_RAIN_DAY, IDC_ALARM_RAIN_DAY_UNIT, &S::dayRainAlarm, Quantity::kRain},
    {IDC_ALARM_DEWPOINT_HIGH, IDC_ALARM_DEWPOINT_HIGH_UNIT, &S::dewpointHighAlarm,
     Quantity::kOutdoorTemperature},
    {IDC_ALARM_DEWPOINT_LOW, IDC_ALARM_DEWPOINT_LOW_UNIT, &S::dewpointLowAlarm,
     Quantity::kOutdoorTemperature},
    {IDC_ALARM_GUST_SPEED, IDC_ALARM_GUST_SPEED_UNIT, &S::gustAlarm, Quantity::kWindSpeed},
    {IDC_ALARM_GUST_LEVEL, IDC_ALARM_GUST_LEVEL_UNIT, &S::gustLevelAlarm, Quantity::kLevel},
    {IDC_ALARM_RAIN_HOUR, IDC_ALARM_RAIN_HOUR_UNIT, &S::hourRainAlarm, Quantity::kRain},
    {IDC_ALARM_WIND_SPEED, IDC_ALARM_WIND_SPEED_UNIT, &S::windAlarm, Quantity::kWindSpeed},
    {IDC_ALARM_WINDCHILL_HIGH, IDC_ALARM_WINDCHILL_HIGH_UNIT, &S::windchillHighAlarm,
     Quantity::kOutdoorTemperature},
    {IDC_ALARM_WINDCHILL_LOW, IDC_ALARM_WINDCHILL_LOW_UNIT, &S::windchillLowAlarm,
     Quantity::kOutdoorTemperature},
    {IDC_ALARM_WIND_LEVEL, IDC_ALARM_WIND_LEVEL_UNIT, &S::windsLevelAlarm, Quantity::kLevel},
    {IDC_ALARM_UV, IDC_ALARM_UV_UNIT, &S::uvHighAlarm, Quantity::kUv},
    {IDC_ALARM_LIGHT, IDC_ALARM_LIGHT_UNIT, &S::lightmeterHighAlarm, Quantity::kLight},
};

// How the console stores a typed threshold.
enum class Storage {
    kTwoDigits,    // the whole number in two digits
    kWhole,        // the number as typed
    kScaledByUnit, // scaled by the unit it was typed in
};

// What a threshold measures decides how it is typed and checked, the unit beside it and how the
// console stores it.
struct QuantityForm {
    const InputLimits<int>* wholeLimits; // typed as a whole number within these; nullptr: decimals
    InputLimits<float> AlarmInputLimits::*decimalLimits; // the limits of one typed with decimals
    std::string S::*unit;  // the display unit it is typed in; nullptr: `fixedUnit`
    const char* fixedUnit; // the text beside a quantity without a display unit
    Storage storage;
};

using L = AlarmInputLimits;

// By Quantity.
const QuantityForm kQuantityForms[] = {
    {&kAlarmHourLimits, nullptr, nullptr, "", Storage::kTwoDigits},
    {&kAlarmMinuteLimits, nullptr, nullptr, "", Storage::kTwoDigits},
    {&kHumidityThresholdLimits, nullptr, nullptr, "%", Storage::kWhole},
    {nullptr, &L::indoorTemperature, &S::indTempUnit, nullptr, Storage::kScaledByUnit},
    {nullptr, &L::outdoorTemperature, &S::outTempUnit, nullptr, Storage::kScaledByUnit},
    {nullptr, &L::pressure, &S::presUnit, nullptr, Storage::kScaledByUnit},
    {nullptr, &L::rain, &S::rainUnit, nullptr, Storage::kScaledByUnit},
    {nullptr, &L::windSpeed, &S::windUnit, nullptr, Storage::kScaledByUnit},
    {&kBeaufortThresholdLimits, nullptr, nullptr, "bft", Storage::kWhole},
    {&kUvThresholdLimits, nullptr, nullptr, "", Storage::kTwoDigits},
    {nullptr, &L::light, &S::lightmeterUnit, nullptr, Storage::kScaledByUnit},
};

static_assert(std::size(kQuantityForms) == static_cast<std::size_t>(Quantity::kLight) + 1);

const QuantityForm& FormOf(Quantity quantity) {
    return kQuantityForms[static_cast<std::size_t>(quantity)];
}

std::string UnitText(const QuantityForm& form, const CWeatherSettings& settings) {
    return form.unit ? settings.*form.unit : std::string(form.fixedUnit);
}

// A typed threshold as the console stores it, scaled by the units of `settings`.
std::string Stored(const std::string& text, const QuantityForm& form,
                   const CWeatherSettings& settings) {
    switch (form.storage) {
    case Storage::kTwoDigits:
        return TwoDigitThreshold(text);
    case Storage::kWhole:
        return StoredThreshold(text, 1.0f);
    case Storage::kScaledByUnit:
        break;
    }
    return StoredThreshold(text, AlarmThresholdScale(settings.*form.unit));
}

// The speed and Beaufort level edits that follow each other.
struct Partners {
    int speed;
    int level;
};

const Partners kPartners[] = {
    {IDC_ALARM_WIND_SPEED, IDC_ALARM_WIND_LEVEL},
    {IDC_ALARM_GUST_SPEED, IDC_ALARM_GUST_LEVEL},
};

} // namespace

CAlarmDlg::CAlarmDlg(QWidget* parent, CWeatherComm& comm)
    : CDialog(kAlarmDialogRow, parent), m_comm(comm) {
    On(Notification::kClicked, IDC_SAVE, [this] { OnSave(); });
    for (const Partners& partners : kPartners) {
        On(Notification::kKillFocus, partners.speed,
           [this, partners] { UpdatePartner(partners.speed, partners.level, false); });
        On(Notification::kKillFocus, partners.level,
           [this, partners] { UpdatePartner(partners.level, partners.speed, true); });
    }
}

// Loading shows the thresholds of m_settings, the units beside them; saving checks what was
// typed, in the table's order. What is typed reaches the console through TakeThresholds.
void CAlarmDlg::DoDataExchange(CDataExchange& dx) {
    for (const Threshold& threshold : kThresholds) {
        const QuantityForm& form = FormOf(threshold.quantity);
        if (dx.m_saveAndValidate) {
            if (form.wholeLimits) {
                DDV_WholeNumberText(dx, threshold.id, form.wholeLimits->min, form.wholeLimits->max);
            } else {
                const InputLimits<float>& limits = m_limits.*form.decimalLimits;
                DDV_NumberText(dx, threshold.id, limits.min, limits.max);
            }
            continue;
        }
        SetDlgItemText(threshold.id, m_settings.*threshold.field);
        // The console's values replace whatever was typed, which no longer moves a partner.
        SetEditModified(threshold.id, false);
        if (threshold.unitLabel != kNoLabel)
            SetDlgItemText(threshold.unitLabel, UnitText(form, m_settings));
    }
    if (dx.m_saveAndValidate)
        return;
    const std::string& direction = m_settings.windDirAlarm;
    SetCurSel(IDC_ALARM_WIND_DIRECTION, IsMissingText(direction) ? -1 : ReadInt(direction));
    SetDlgItemText(IDC_ALARM_WIND_DIRECTION_UNIT, "");
}

bool CAlarmDlg::OnInitDialog() {
    const OpeningRead read = ReadBlockAtOpening(*this, m_comm, m_settings);
    m_saveEnabled = read == OpeningRead::kRead;
    if (read == OpeningRead::kBusy)
        return true;
    ShowSettings();
    EnableDlgItem(IDC_SAVE, m_saveEnabled);
    return true;
}

void CAlarmDlg::ShowSettings() {
    m_limits = AlarmInputLimitsFor(m_settings);
    ScaleAlarmThresholds(m_settings);
    UpdateData(false);
}

void CAlarmDlg::UpdatePartner(int edit, int partner, bool fromLevel) {
    // Only what the user typed since the last recompute moves the partner: a value the partner
    // itself was given, or a typed value left once more, would overwrite the partner the user
    // typed last with a rounded conversion.
    if (!IsEditModified(edit))
        return;
    SetEditModified(edit, false);
    const std::string text = GetNumberText(*this, edit);
    const std::string& windUnit = m_settings.windUnit;
    SetDlgItemText(partner, fromLevel ? FormatWindSpeed(text, 1.0f, kUnitBft, windUnit)
                                      : FormatWindSpeed(text, 1.0f, windUnit, kUnitBft));
}

void CAlarmDlg::TakeThresholds(CWeatherSettings& fresh) const {
    for (const Threshold& threshold : kThresholds)
        fresh.*threshold.field =
            Stored(GetNumberText(*this, threshold.id), FormOf(threshold.quantity), m_settings);
    fresh.windDirAlarm = std::to_string(GetCurSel(IDC_ALARM_WIND_DIRECTION));
}

void CAlarmDlg::OnSave() {
    if (SaveIntoFreshBlock(
            *this, m_comm, m_settings, {kTextReadAlarmFailed, kTextSaveAlarmFailed},
            [this] { ShowSettings(); }, [this](CWeatherSettings& fresh) { TakeThresholds(fresh); }))
        EndDialog(IDOK);
}

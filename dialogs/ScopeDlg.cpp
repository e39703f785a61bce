#include "dialogs/ScopeDlg.h"

#include "dialogs/ConsoleAccess.h"
#include "dialogs/OperationQuestion.h"
#include "resources/ResourceIds.h"
#include "station/console/MinMaxReset.h"
#include "station/console/MinMaxUnits.h"
#include "station/values/TimeText.h"
#include "station/values/ValueText.h"
#include "texts/TextEntries.h"

namespace {

using S = CWeatherSettings;

struct MinMaxControls {
    int valueId;
    int timeId;
    int checkId;
    std::string S::*field;
    std::string S::*unit; // nullptr: "%"
};

const MinMaxControls kRecords[] = {
    {IDC_INDOOR_HUMIDITY_MAX, IDC_SCOPE_TIME_INDOOR_HUMIDITY_MAX,
     IDC_SCOPE_RESET_INDOOR_HUMIDITY_MAX, &S::indHumiMax, nullptr},
    {IDC_INDOOR_HUMIDITY_MIN, IDC_SCOPE_TIME_INDOOR_HUMIDITY_MIN,
     IDC_SCOPE_RESET_INDOOR_HUMIDITY_MIN, &S::indHumiMin, nullptr},
    {IDC_OUTDOOR_HUMIDITY_MAX, IDC_SCOPE_TIME_OUTDOOR_HUMIDITY_MAX,
     IDC_SCOPE_RESET_OUTDOOR_HUMIDITY_MAX, &S::outHumiMax, nullptr},
    {IDC_OUTDOOR_HUMIDITY_MIN, IDC_SCOPE_TIME_OUTDOOR_HUMIDITY_MIN,
     IDC_SCOPE_RESET_OUTDOOR_HUMIDITY_MIN, &S::outHumiMin, nullptr},
    {IDC_INDOOR_TEMPERATURE_MAX, IDC_SCOPE_TIME_INDOOR_TEMPERATURE_MAX,
     IDC_SCOPE_RESET_INDOOR_TEMPERATURE_MAX, &S::indTempMax, &S::indTempUnit},
    {IDC_INDOOR_TEMPERATURE_MIN, IDC_SCOPE_TIME_INDOOR_TEMPERATURE_MIN,
     IDC_SCOPE_RESET_INDOOR_TEMPERATURE_MIN, &S::indTempMin, &S::indTempUnit},
    {IDC_OUTDOOR_TEMPERATURE_MAX, IDC_SCOPE_TIME_OUTDOOR_TEMPERATURE_MAX,
     IDC_SCOPE_RESET_OUTDOOR_TEMPERATURE_MAX, &S::outTempMax, &S::outTempUnit},
    {IDC_OUTDOOR_TEMPERATURE_MIN, IDC_SCOPE_TIME_OUTDOOR_TEMPERATURE_MIN,
     IDC_SCOPE_RESET_OUTDOOR_TEMPERATURE_MIN, &S::outTempMin, &S::outTempUnit},
    {IDC_WINDCHILL_MAX, IDC_SCOPE_TIME_WINDCHILL_MAX, IDC_SCOPE_RESET_WINDCHILL_MAX,
     &S::windchillMax, &S::outTempUnit},
    {IDC_WINDCHILL_MIN, IDC_SCOPE_TIME_WINDCHILL_MIN, IDC_SCOPE_RESET_WINDCHILL_MIN,
     &S::windchillMin, &S::outTempUnit},
    {IDC_DEWPOINT_MAX, IDC_SCOPE_TIME_DEWPOINT_MAX, IDC_SCOPE_RESET_DEWPOINT_MAX, &S::dewpointMax,
     &S::outTempUnit},
    {IDC_DEWPOINT_MIN, IDC_SCOPE_TIME_DEWPOINT_MIN, IDC_SCOPE_RESET_DEWPOINT_MIN, &S::dewpointMin,
     &S::outTempUnit},
    {IDC_ABSOLUTE_PRESSURE_MAX, IDC_SCOPE_TIME_ABSOLUTE_PRESSURE_MAX,
     IDC_SCOPE_RESET_ABSOLUTE_PRESSURE_MAX, &S::absPresMax, &S::presUnit},
    {IDC_ABSOLUTE_PRESSURE_MIN, IDC_SCOPE_TIME_ABSOLUTE_PRESSURE_MIN,
     IDC_SCOPE_RESET_ABSOLUTE_PRESSURE_MIN, &S::absPresMin, &S::presUnit},
    {IDC_RELATIVE_PRESSURE_MAX, IDC_SCOPE_TIME_RELATIVE_PRESSURE_MAX,
     IDC_SCOPE_RESET_RELATIVE_PRESSURE_MAX, &S::relPresMax, &S::presUnit},
    {IDC_RELATIVE_PRESSURE_MIN, IDC_SCOPE_TIME_RELATIVE_PRESSURE_MIN,
     IDC_SCOPE_RESET_RELATIVE_PRESSURE_MIN, &S::relPresMin, &S::presUnit},
    {IDC_WIND_SPEED_MAX, IDC_SCOPE_TIME_WIND_SPEED_MAX, IDC_SCOPE_RESET_WIND_SPEED_MAX, &S::windMax,
     &S::windUnit},
    {IDC_GUST_SPEED_MAX, IDC_SCOPE_TIME_GUST_SPEED_MAX, IDC_SCOPE_RESET_GUST_SPEED_MAX, &S::gustMax,
     &S::windUnit},
    {IDC_UV_MAX, IDC_SCOPE_TIME_UV_MAX, IDC_SCOPE_RESET_UV_MAX, &S::uvMax, &S::uvUnit},
    {IDC_LIGHT_MAX, IDC_SCOPE_TIME_LIGHT_MAX, IDC_SCOPE_RESET_LIGHT_MAX, &S::lightmeterMax,
     &S::lightmeterUnit},
    {IDC_RAIN_HOUR_MAX, IDC_SCOPE_TIME_RAIN_HOUR_MAX, IDC_SCOPE_RESET_RAIN_HOUR_MAX,
     &S::hourRainMax, &S::rainUnit},
    {IDC_RAIN_DAY_MAX, IDC_SCOPE_TIME_RAIN_DAY_MAX, IDC_SCOPE_RESET_RAIN_DAY_MAX, &S::dayRainMax,
     &S::rainUnit},
    {IDC_RAIN_WEEK_MAX, IDC_SCOPE_TIME_RAIN_WEEK_MAX, IDC_SCOPE_RESET_RAIN_WEEK_MAX,
     &S::weekRainMax, &S::rainUnit},
    {IDC_RAIN_MONTH_MAX, IDC_SCOPE_TIME_RAIN_MONTH_MAX, IDC_SCOPE_RESET_RAIN_MONTH_MAX,
     &S::monthRainMax, &S::rainUnit},
    {IDC_RAIN_TOTAL_MAX, IDC_SCOPE_TIME_RAIN_TOTAL_MAX, IDC_SCOPE_RESET_RAIN_TOTAL_MAX,
     &S::totalRainMax, &S::rainUnit},
};

} // namespace

CScopeDlg::CScopeDlg(QWidget* parent, CWeatherComm& comm)
    : CDialog(kScopeDialogRow, parent), m_comm(comm) {
    MessageMap<CScopeDlg>({
        {Notification::kClicked, IDC_SCOPE_RESET, &CScopeDlg::OnReset},
        {Notification::kClicked, IDC_ALL_ON, &CScopeDlg::OnAllOn},
        {Notification::kClicked, IDC_ALL_OFF, &CScopeDlg::OnAllOff},
    });
}

bool CScopeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    {
        const CConsoleAccess console(*this, m_comm);
        if (!console.IsTaken()) {
            EndDialog(IDCANCEL);
            return true;
        }
        // Without the block there is no address to read the reading at.
        m_readingComplete =
            m_comm.ReadFixedBlock(m_settings, kWholeBlock, false) &&
            m_comm.ReadRecordAt(ReadInt(m_settings.historyStackAddr), m_record, false);
        if (!m_readingComplete)
            MessageBox(Tr(kTextReadSetupFailed));
        ShowRecords();
    }
    // A reset writes the block back with the reading in it; without both there is nothing
    // sound to write.
    EnableDlgItem(IDC_SCOPE_RESET, m_readingComplete);
    return true;
}

void CScopeDlg::ShowRecords() {
    CWeatherSettings shown = m_settings;
    ConvertMinMaxToUserUnits(shown);
    for (const MinMaxControls& record : kRecords) {
        const std::string unit = record.unit ? shown.*record.unit : std::string("%");
        SetDlgItemText(record.valueId, shown.*record.field + " " + unit);
        SetDlgItemText(record.timeId, FormatDisplayTime(shown.*MinMaxTimeField(record.field)));
    }
}

bool CScopeDlg::IsChecked(int id) const {
    return IsDlgButtonChecked(id) == 1;
}

bool CScopeDlg::AnyChecked() const {
    for (const MinMaxControls& record : kRecords) {
        if (IsChecked(record.checkId))
            return true;
    }
    return false;
}

void CScopeDlg::OnReset() {
    if (!m_readingComplete)
        return;
    if (!AnyChecked()) {
        MessageBox(Tr(kTextSelectItemsFirst), Tr(kTextOperationNotify), kMbOk | kMbIconInformation);
        return;
    }
    if (!ConfirmOperation(*this, kTextResetQuestion))
        return;
    bool written = false;
    {
        const CConsoleAccess console(*this, m_comm);
        if (!console.IsTaken())
            return;
        // The console goes on storing history while the dialog is open: the block as read now
        // keeps its history pointer and record count, and only the chosen records change.
        CWeatherSettings block;
        if (!m_comm.ReadFixedBlock(block, kWholeBlock, false)) {
            MessageBox(Tr(kTextReadSetupFailed));
            return;
        }
        const CWeatherRecord reading = ReadingForMinMaxReset(m_record, block);
        for (const MinMaxControls& record : kRecords) {
            if (IsChecked(record.checkId))
                ResetMinMaxRecord(block, record.field, reading);
        }
        written = m_comm.WriteFixedBlock(block, kWholeBlock, false);
        if (!written)
            MessageBox(Tr(kTextResetFailed));
    }
    if (written)
        EndDialog(IDOK);
}

void CScopeDlg::OnAllOn() {
    CheckAllBoxes(1);
}

void CScopeDlg::OnAllOff() {
    CheckAllBoxes(0);
}

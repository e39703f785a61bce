#include "dialogs/TimeSpanControls.h"

#include "dialogs/core/RangePreset.h"
#include "platform/qt/DateTimePicker.h"
#include "platform/qt/Dialog.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <QDateTimeEdit>

namespace {

constexpr char kTimeFormat[] = "HH:mm:ss";

std::string SpanText(const CDialog& dialog, int dateId, int timeId) {
    const auto* date = dialog.GetDlgItem<QDateTimeEdit>(dateId);
    const auto* time = dialog.GetDlgItem<QDateTimeEdit>(timeId);
    if (!date || !time)
        return {};
    return (date->date().toString(QStringLiteral("yyyy-MM-dd")) + u' ' +
            time->time().toString(QStringLiteral("HH:mm:ss")))
        .toStdString();
}

time_t SpanTime(const CDialog& dialog, int dateId, int timeId) {
    const auto* date = dialog.GetDlgItem<QDateTimeEdit>(dateId);
    const auto* time = dialog.GetDlgItem<QDateTimeEdit>(timeId);
    if (!date || !time)
        return 0;
    std::tm fields{};
    fields.tm_year = date->date().year() - 1900;
    fields.tm_mon = date->date().month() - 1;
    fields.tm_mday = date->date().day();
    fields.tm_hour = time->time().hour();
    fields.tm_min = time->time().minute();
    fields.tm_sec = time->time().second();
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

} // namespace

void CTimeSpanControls::SetUp() {
    for (const int id : {kStartDate, kEndDate}) {
        if (auto* picker = m_dialog.GetDlgItem<QDateTimeEdit>(id))
            SetPickerFormat(*picker, Tr(kTextDateFormat));
    }
    for (const int id : {kStartTime, kEndTime}) {
        if (auto* picker = m_dialog.GetDlgItem<QDateTimeEdit>(id))
            SetPickerFormat(*picker, kTimeFormat);
    }
    // What the user picks is the span: the drop-down says so without a preset being applied.
    for (const int id : {kStartDate, kStartTime, kEndDate, kEndTime}) {
        m_dialog.On(Notification::kDateTimeChange, id,
                    [this] { m_dialog.SetCurSel(kRangeCombo, kRangeUserDefined); });
    }
}

void CTimeSpanControls::ApplyRangePreset(time_t now) {
    const int preset = m_dialog.GetCurSel(kRangeCombo);
    const bool userDefined = preset < kRangeHour || preset >= kRangeUserDefined;
    if (userDefined && m_rule == UserDefined::kKeepsPickers)
        return;
    const time_t start = RangePresetStart(preset, now);
    m_dialog.SetPickerTime(kStartDate, start);
    m_dialog.SetPickerTime(kStartTime, start);
    m_dialog.SetPickerTime(kEndDate, now);
    m_dialog.SetPickerTime(kEndTime, now);
}

bool CTimeSpanControls::ReadSearchSpan(std::string& start, std::string& end) const {
    start = StartText();
    end = EndText();
    if (start > end) {
        m_dialog.MessageBox(Tr(kTextEndBeforeStart));
        return false;
    }
    return true;
}

std::string CTimeSpanControls::StartText() const {
    return SpanText(m_dialog, kStartDate, kStartTime);
}

std::string CTimeSpanControls::EndText() const {
    return SpanText(m_dialog, kEndDate, kEndTime);
}

time_t CTimeSpanControls::StartTime() const {
    return SpanTime(m_dialog, kStartDate, kStartTime);
}

time_t CTimeSpanControls::EndTime() const {
    return SpanTime(m_dialog, kEndDate, kEndTime);
}

void CTimeSpanControls::EnablePickers(bool enable) {
    for (const int id : {kStartDate, kStartTime, kEndDate, kEndTime})
        m_dialog.EnableDlgItem(id, enable);
}

void CGrowBelowResize::OnSize(CDialog& dialog, int width, int height) {
    if (width < kSmallest || height < kSmallest)
        return;
    if (!m_lastClientSize) {
        m_lastClientSize = {width, height};
        return;
    }
    const int dx = width - m_lastClientSize->first;
    const int dy = height - m_lastClientSize->second;
    m_lastClientSize = {width, height};
    QWidget* grow = dialog.GetDlgItem(m_grow);
    if (!grow)
        return;
    grow->setGeometry(grow->x(), grow->y(), grow->width() + dx, grow->height() + dy);
    for (const int id : m_follow) {
        if (QWidget* control = dialog.GetDlgItem(id))
            control->move(control->x(), control->y() + dy);
    }
}

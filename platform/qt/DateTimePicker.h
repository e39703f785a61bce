#pragma once

#include <ctime>
#include <string>

#include <QString>

class QDateTimeEdit;

// The custom formats of date and time pickers, written as the desktop's pickers read them
// ("dd-MM-yyy", "HH:mm:ss"), turned into Qt's display formats: d, dd, ddd, dddd, M, MM, MMM,
// MMMM, y, yy, yyy (the full year), yyyy, h, hh (12-hour), H, HH, m, mm, s, ss, t, tt (AM/PM),
// and 'quoted' text. Other characters stand for themselves.
QString PickerDisplayFormat(const std::string& customFormat);

// Gives the picker the custom format.
void SetPickerFormat(QDateTimeEdit& picker, const std::string& customFormat);

// The picker's date and time as a local time, and back; setting it notifies nobody.
time_t PickerTime(const QDateTimeEdit& picker);
void SetPickerTime(QDateTimeEdit& picker, time_t time);

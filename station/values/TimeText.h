#pragma once

#include "station/values/TimeFields.h"

#include <ctime>
#include <string>
#include <string_view>

// Record times travel as local-time texts "YYYY-MM-DD hh:mm:ss". A text is read as six numbers
// (a field the text does not supply counts as out of range), clamped by ClampTimeFields and
// turned into a time with daylight saving left to the C library. Texts that do not parse give
// clamped times (2000-01-01 00:00:00 at worst); nothing is reported.

// The record-time text of a time, "%Y-%m-%d %H:%M:%S" in local time.
std::string FormatRecordTime(time_t time);

// The time of a time text.
time_t TextToTime(std::string_view text);

// The time of a time text that lies near `near`. A text of the hour that the clock shows twice
// when daylight saving ends names two times an hour apart, and TextToTime takes either; of
// those two this is the one nearer `near`. Any other text gives the time TextToTime gives.
time_t TextToTimeNear(std::string_view text, time_t near);

// Whether `text`, a time the clock showed near `near`, is the second time round of the hour that
// the end of daylight saving repeats: the later of its two times is the nearer.
bool IsSecondTimeRound(std::string_view text, time_t near);

// Whether the local clock shows the hour of the fields (year, month, day and hour; minutes and
// seconds do not count) twice, as when daylight saving ends.
bool IsRepeatedHour(TimeFields fields);

// time(to) - time(from) in seconds, negative when `to` lies before `from`. A `from` of 10
// characters or fewer counts as 2000-01-01 00:00:00, a `to` of 10 characters or fewer as now.
time_t TimeSpanBetween(std::string_view from, std::string_view to);

// The OLE automation date of a time text: days since 1899-12-30, the fraction being the time
// of day. It counts the clock on the wall, so a day across a daylight-saving change is still 1.
double TextToOleDateTime(std::string_view text);

// The display form of a time text (kTextDisplayTimeFormat, "%d-%m-%Y %H:%M"). A date alone or a
// date with hour and minute is completed with zeros first; a text shorter than a date comes back
// unchanged.
std::string FormatDisplayTime(std::string_view text);

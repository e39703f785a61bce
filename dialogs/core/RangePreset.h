#pragma once

#include <ctime>

// The range presets of the history and graph dialogs, by item of their range drop-down. The
// end of a preset span is always now; its start is a calendar boundary, not a length back.
enum RangePreset {
    kRangeHour = 0,        // "an hour": the start of the current hour
    kRangeDay = 1,         // "24 hours": today 00:00:00
    kRangeWeek = 2,        // "a week": the most recent Sunday (today on a Sunday) 00:00:00
    kRangeMonth = 3,       // "a month": the 1st of the current month 00:00:00
    kRangeUserDefined = 4, // "user defined": the pickers say
};
inline constexpr int kRangePresetCount = 5;

// The times of the pickers that a dialog's range keeps beside its preset.
inline constexpr int kRangeTimeCount = 4;

// The start of the preset's span for the local time `now`; `now` itself for "user defined" or
// no selection (-1). Daylight saving is left to the C library, as for every local time built.
time_t RangePresetStart(int preset, time_t now);

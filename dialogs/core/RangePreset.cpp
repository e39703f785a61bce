#include "dialogs/core/RangePreset.h"

// Calendar arithmetic on the local fields, so that a week that holds a daylight-saving change
// still starts on its Sunday (subtracting days of 24 hours would land an hour off, on the
// Saturday before, around midnight).
time_t RangePresetStart(int preset, time_t now) {
    std::tm start{};
    localtime_r(&now, &start);
    switch (preset) {
    case kRangeHour:
        break;
    case kRangeDay:
        start.tm_hour = 0;
        break;
    case kRangeWeek:
        start.tm_mday -= start.tm_wday;
        start.tm_hour = 0;
        break;
    case kRangeMonth:
        start.tm_mday = 1;
        start.tm_hour = 0;
        break;
    default:
        return now;
    }
    start.tm_min = 0;
    start.tm_sec = 0;
    start.tm_isdst = -1;
    return std::mktime(&start);
}

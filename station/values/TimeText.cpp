#include "station/values/TimeText.h"

#include "station/values/Clock.h"
#include "station/values/TimeFields.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t kDateLength = 10;
constexpr std::size_t kTimeTextLength = 19;
// Days from the OLE automation epoch, 1899-12-30, to 1970-01-01.
constexpr long long kOleDaysBefore1970 = 25569;

TimeFields ReadClamped(std::string_view text) {
    TimeFields f;
    ReadTimeFields(text, f);
    ClampTimeFields(f.year, f.month, f.day, f.hour, f.minute, f.second);
    return f;
}

// The time of the fields on the local clock; `dst` as mktime takes it (-1: let it decide).
time_t LocalTime(const TimeFields& f, int dst = -1) {
    std::tm tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = f.minute;
    tm.tm_sec = f.second;
    tm.tm_isdst = dst;
    return std::mktime(&tm);
}

// Whether the local clock shows `f` at `time`.
bool ShowsFields(time_t time, const TimeFields& f) {
    std::tm tm{};
    return localtime_r(&time, &tm) && TimeFields{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                                                 tm.tm_hour,        tm.tm_min,     tm.tm_sec} == f;
}

// The times at which the local clock shows `f`, earlier first: two in the hour that the end of
// daylight saving repeats. Elsewhere both are the time LocalTime gives, also for a time the
// start of daylight saving skips, which no clock shows.
std::pair<time_t, time_t> LocalTimes(const TimeFields& f) {
    const time_t summer = LocalTime(f, 1);
    const time_t winter = LocalTime(f, 0);
    if (summer != winter && ShowsFields(summer, f) && ShowsFields(winter, f))
        return std::minmax(summer, winter);
    const time_t only = LocalTime(f);
    return {only, only};
}

std::string FormatLocalTime(time_t time, const char* format) {
    std::tm tm{};
    if (!localtime_r(&time, &tm)) {
        return {};
    }
    char text[128];
    return std::string(text, std::strftime(text, sizeof text, format, &tm));
}

} // namespace

std::string FormatRecordTime(time_t time) {
    return FormatLocalTime(time, "%Y-%m-%d %H:%M:%S");
}

time_t TextToTime(std::string_view text) {
    return LocalTime(ReadClamped(text));
}

time_t TextToTimeNear(std::string_view text, time_t near) {
    const auto [earlier, later] = LocalTimes(ReadClamped(text));
    return near - earlier <= later - near ? earlier : later;
}

bool IsSecondTimeRound(std::string_view text, time_t near) {
    const auto [earlier, later] = LocalTimes(ReadClamped(text));
    return earlier != later && later - near < near - earlier;
}

bool IsRepeatedHour(TimeFields fields) {
    fields.minute = 30;
    fields.second = 0;
    const auto [earlier, later] = LocalTimes(fields);
    return earlier != later;
}

time_t TimeSpanBetween(std::string_view from, std::string_view to) {
    const time_t start =
        from.size() > kDateLength ? TextToTime(from) : LocalTime({2000, 1, 1, 0, 0, 0});
    const time_t end = to.size() > kDateLength ? TextToTime(to) : CurrentTime();
    return end - start;
}

double TextToOleDateTime(std::string_view text) {
    const TimeFields f = ReadClamped(text);
    const long long days = DayNumber(f.year, f.month, f.day) + kOleDaysBefore1970;
    const int seconds = (f.hour * 60 + f.minute) * 60 + f.second;
    return static_cast<double>(days) + seconds / 86400.0;
}

std::string FormatDisplayTime(std::string_view text) {
    if (text.size() < kDateLength) {
        return std::string(text);
    }
    static constexpr std::string_view kMidnight = " 00:00:00";
    std::string full(text);
    if (full.size() < kTimeTextLength) {
        full += kMidnight.substr(kMidnight.size() - (kTimeTextLength - full.size()));
    }
    return FormatLocalTime(TextToTime(full), Tr(kTextDisplayTimeFormat));
}

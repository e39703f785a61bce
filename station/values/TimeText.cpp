#include "station/values/TimeText.h"

#include "station/values/Clock.h"
#include "station/values/TimeFields.h"
#include "texts/Env.h"

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

time_t LocalTime(const TimeFields& f) {
    std::tm tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = f.minute;
    tm.tm_sec = f.second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
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
    return FormatLocalTime(TextToTime(full), Tr(1));
}

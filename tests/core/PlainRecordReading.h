#pragma once

// The record layer's readings and the rain sums done as plainly as they can be: every line of
// the data file read into a new record, the lines without a record number or a calendar time
// left out, and the rain walk over every stored record, summing in single precision. The tests
// hold the fast ways to these.

#include "station/console/WeatherRecord.h"
#include "station/records/RecordLineFields.h"
#include "station/values/CalendarPeriod.h"
#include "station/values/UnitConversions.h"
#include "station/values/ValueText.h"
#include "tests/core/FileTestSupport.h"

#include <cstdio>
#include <ctime>
#include <string>

// Every non-blank line of the file's bytes, trimmed, in file order; a last line without its
// line end counts.
inline std::vector<std::string> PlainLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(" \t\r\n\v\f");
        if (first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(" \t\r\n\v\f") - first + 1));
        start = end + 1;
    }
    return lines;
}

// Whether a record read from a line is one: digits alone for its number, and a time that the
// calendar turns back into the same text.
inline bool PlainIsRecord(const CWeatherRecord& record) {
    const std::string& number = record.recordNo;
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    std::tm fields{};
    char end = 0;
    if (record.recordTime.size() != 19 ||
        std::sscanf(record.recordTime.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &fields.tm_year,
                    &fields.tm_mon, &fields.tm_mday, &fields.tm_hour, &fields.tm_min,
                    &fields.tm_sec, &end) != 6 ||
        fields.tm_year < 1900)
        return false;
    fields.tm_year -= 1900;
    fields.tm_mon -= 1;
    const time_t time = timegm(&fields);
    char again[32];
    std::tm back{};
    return gmtime_r(&time, &back) &&
           std::strftime(again, sizeof again, "%Y-%m-%d %H:%M:%S", &back) == 19 &&
           record.recordTime == again;
}

// The records of the file whose time lies in [start, end] (every record without a span).
inline CWeatherRecordArray PlainRecords(const std::string& path, const std::string* start = nullptr,
                                        const std::string* end = nullptr) {
    CWeatherRecordArray records;
    for (const std::string& line : PlainLines(ReadBytes(path))) {
        CWeatherRecord record;
        ParseRecordLine(record, line);
        if (PlainIsRecord(record) &&
            (!start || (record.recordTime >= *start && record.recordTime <= *end)))
            records.push_back(record);
    }
    return records;
}

// The rain sums of `record` against `stored` (oldest first), walking back from the newest.
inline bool PlainRain(CWeatherRecord& record, const CWeatherRecordArray& stored) {
    const auto tenths = [](float mm) { return PrintDecimals(mm, 1); };
    std::string* sums[] = {&record.increment, &record.hourRain,  &record.dayRain,
                           &record.weekRain,  &record.monthRain, &record.totalRain};
    if (IsNoValueText(record.rainMm)) {
        record.rainMm = "---";
        for (std::string* sum : sums)
            *sum = "---";
        return false;
    }
    for (std::string* sum : sums)
        *sum = "0.0";
    float sum = 0;
    bool first = true;
    bool open[3] = {true, true, true};
    const char* periods[3] = {"hour", "day", "week"};
    std::string* periodSums[3] = {&record.hourRain, &record.dayRain, &record.weekRain};
    for (auto s = stored.rbegin(); s != stored.rend(); ++s) {
        if (s->rainMm.empty() || s->rainMm == "---")
            continue;
        if (first) {
            const float now = ReadFloat(record.rainMm);
            float d = now - ReadFloat(s->rainMm);
            if (d < 0) {
                d += RainCountToMm(65536.0f);
                if (d >= 0 && d <= RainCountToMm(512.0f))
                    record.rainMm = tenths(now + RainCountToMm(65536.0f));
            }
            if (d < 0 || d > RainCountToMm(512.0f))
                d = 0;
            record.totalRain = tenths(ReadFloat(s->totalRain) + d);
            record.increment = tenths(d);
            sum += d;
            first = false;
        }
        for (int p = 0; p < 3; ++p) {
            if (SamePeriod(s->recordTime, record.recordTime, periods[p])) {
                *periodSums[p] = tenths(sum);
            } else if (open[p]) {
                *periodSums[p] = tenths(sum);
                open[p] = false;
            }
        }
        record.monthRain = tenths(sum);
        if (!SamePeriod(s->recordTime, record.recordTime, "month"))
            break;
        sum += ReadFloat(s->increment);
    }
    return true;
}

// The sums of a download (newest first), oldest first, each against the stored records and the
// downloaded ones older than it.
inline void PlainRainForList(CWeatherRecordArray& records, CWeatherRecordArray stored) {
    for (std::size_t i = records.size(); i-- > 0;) {
        PlainRain(records[i], stored);
        stored.push_back(records[i]);
    }
}

// Times the data-file line work at the size a station collects in years: a million lines
// formatted, read back into records, split for their time only, and tested for their week.
#include "station/console/WeatherRecord.h"
#include "station/records/RecordLineFields.h"
#include "station/records/RecordLineReader.h"
#include "station/values/CalendarPeriod.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 1'000'000;

template <typename Work>
void Time(const char* what, Work work) {
    const auto start = std::chrono::steady_clock::now();
    const long long result = work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%-34s %8.1f ms  (%lld)\n", what, took.count(), result);
}

} // namespace

int main() {
    CWeatherRecord record;
    record.hexAddr = "00A0F4";
    record.hexValue = "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ";
    record.recordTime = "2024-03-05 14:25:00";
    record.indTemp = "21.5";
    record.totalRain = "350.1";
    std::vector<std::string> lines(kLines);

    Time("FormatRecordLine", [&] {
        for (int i = 0; i < kLines; ++i) {
            record.recordNo = std::to_string(i + 1);
            lines[i] = FormatRecordLine(record);
        }
        return static_cast<long long>(lines.back().size());
    });
    Time("ParseRecordLine, one record reused", [&] {
        CWeatherRecord read;
        long long pieces = 0;
        for (const std::string& line : lines) {
            pieces += ParseRecordLine(read, line);
        }
        return pieces;
    });
    Time("SplitRecordLine, number and time", [&] {
        std::array<std::string_view, kRecordTimePiece + 1> pieces;
        long long inSpan = 0;
        for (const std::string& line : lines) {
            inSpan += SplitRecordLine(line, pieces) == pieces.size() &&
                      pieces[kRecordTimePiece] >= "2024-03-01 00:00:00";
        }
        return inSpan;
    });
    Time("SamePeriod week", [&] {
        long long same = 0;
        for (int i = 0; i < kLines; ++i) {
            same += SamePeriod("2024-03-03 10:00:00", "2024-03-05 14:25:00", "week");
        }
        return same;
    });
    return 0;
}

#include "bench/WeatherGenerator.h"

#include "station/records/RecordLineFields.h"
#include "station/values/Beaufort.h"
#include "station/values/DerivedValues.h"
#include "station/values/TimeText.h"
#include "station/values/WindDirection.h"
#include "store/FDB.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int kCounterWrap = 65536;
constexpr double kPi = 3.14159265358979323846;

} // namespace

std::string Tenths(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void WeatherGenerator::RainSums::Add(const std::tm& now, double mm) {
    if (now.tm_mon != last.tm_mon || now.tm_year != last.tm_year)
        month = 0;
    if (now.tm_yday != last.tm_yday || now.tm_year != last.tm_year) {
        day = 0;
        if (now.tm_wday == 0)
            week = 0;
    }
    if (now.tm_hour != last.tm_hour || now.tm_yday != last.tm_yday)
        hour = 0;
    hour += mm;
    day += mm;
    week += mm;
    month += mm;
    total += mm;
    last = now;
}

CWeatherRecord WeatherGenerator::Next(time_t time, int number) {
    std::tm local{};
    localtime_r(&time, &local);
    const double season = std::cos(2 * kPi * (local.tm_yday - 196) / 365.0);
    const double daytime = std::sin(2 * kPi * (local.tm_hour + local.tm_min / 60.0 - 9) / 24);
    m_drift = std::clamp(m_drift + Noise(0.15), -6.0, 6.0);
    const double outTemp = 9 + 9 * season + 4 * daytime + m_drift;
    const int outHumi = std::clamp(static_cast<int>(78 - 15 * daytime + 3 * m_drift), 20, 99);
    m_pressure = std::clamp(m_pressure + Noise(0.2), 975.0, 1045.0);
    m_wind = std::clamp(m_wind + Noise(0.3), 0.0, 22.0);
    const double gust = m_wind * (1.3 + Uniform() * 0.5);
    m_raining = m_raining ? Uniform() > 0.08 : Uniform() < 0.01;
    const int counts = m_raining ? static_cast<int>(Uniform() * 5) : 0;
    m_counter = (m_counter + counts) % kCounterWrap;
    m_sums.Add(local, counts * 0.3);
    const double light = std::max(0.0, daytime) * (40000 + 40000 * season) * Uniform();
    const int direction = static_cast<int>(m_wind * 7 + number / 500) % 16;

    CWeatherRecord r;
    r.recordNo = std::to_string(number);
    r.recordTime = FormatRecordTime(time);
    r.sampleCircle = "5";
    r.indHumi = std::to_string(std::clamp(outHumi / 2 + 15, 30, 60));
    r.indTemp = Tenths(21 + 1.5 * daytime);
    r.outHumi = std::to_string(outHumi);
    r.outTemp = Tenths(outTemp);
    r.dewPoint = Tenths(DewPoint(static_cast<float>(outTemp), static_cast<float>(outHumi)));
    r.windChill = Tenths(WindChill(static_cast<float>(outTemp), static_cast<float>(m_wind)));
    r.absPres = Tenths(m_pressure);
    r.relPres = Tenths(m_pressure + 12.6);
    r.winds = Tenths(m_wind);
    r.windsLevel = std::to_string(BeaufortFromSpeed(static_cast<float>(m_wind)));
    r.gust = Tenths(gust);
    r.gustLevel = std::to_string(BeaufortFromSpeed(static_cast<float>(gust)));
    r.windDir = std::to_string(direction);
    r.windDirDesc = WindDirectionName(direction);
    r.rain = std::to_string(m_counter);
    r.rainMm = Tenths(m_counter * 0.3);
    r.increment = Tenths(counts * 0.3);
    r.hourRain = Tenths(m_sums.hour);
    r.dayRain = Tenths(m_sums.day);
    r.weekRain = Tenths(m_sums.week);
    r.monthRain = Tenths(m_sums.month);
    r.totalRain = Tenths(m_sums.total);
    r.lightmeter = Tenths(light);
    r.uv = std::to_string(static_cast<int>(light / 9000));
    for (std::string* flag :
         {&r.flag1, &r.flag2, &r.flag3, &r.flag4, &r.flag5, &r.flag6, &r.flag7, &r.flag8})
        *flag = "0";
    char address[8];
    std::snprintf(address, sizeof address, "%06X", 0x100 + number % 3264 * 20);
    r.hexAddr = address;
    r.sequenceNo = "   1";
    r.hexValue = "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ";
    return r;
}

bool WriteSampleDataFile(const std::string& path, long count, time_t last) {
    if (std::filesystem::exists(path))
        return false;
    CFdb store;
    if (!store.Open(path))
        return false;
    const time_t first = last - (count - 1) * kSampleIntervalSeconds;
    WeatherGenerator weather;
    std::vector<std::string> lines;
    bool written = true;
    for (long i = 0; i < count && written; ++i) {
        CWeatherRecord record =
            weather.Next(first + i * kSampleIntervalSeconds, static_cast<int>(i + 1));
        lines.push_back(FormatRecordLine(record));
        if (lines.size() == 10'000 || i + 1 == count) {
            written = store.WriteLines(lines);
            lines.clear();
        }
    }
    store.Close();
    return written;
}

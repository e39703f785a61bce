#pragma once

#include "station/console/WeatherRecord.h"

#include <ctime>
#include <random>
#include <string>

// Plausible stored records for benchmarks, pictures and a first look at the program: weather
// that changes as weather does (seasons, days and nights, showers, a drifting pressure, gusty
// wind), with the rain counter rising in showers and wrapping, and the rain sums of the
// calendar hour, day, week and month. The same seed gives the same weather.
inline constexpr int kSampleIntervalSeconds = 300;

// "%.1f" of a value, the form of the data file's tenths.
std::string Tenths(double value);

class WeatherGenerator {
public:
    // The record `number` at `time` (local), five minutes after the one before.
    CWeatherRecord Next(time_t time, int number);

private:
    // Running sums of the rain of the calendar hour, day, week and month.
    struct RainSums {
        double hour = 0, day = 0, week = 0, month = 0, total = 0;
        std::tm last{};

        void Add(const std::tm& now, double mm);
    };

    double Uniform() { return std::uniform_real_distribution<double>(0, 1)(m_random); }
    double Noise(double size) { return (Uniform() - 0.5) * 2 * size; }

    std::mt19937 m_random{2024};
    double m_drift = 0, m_pressure = 1013, m_wind = 3;
    bool m_raining = false;
    int m_counter = 61000; // wraps within the first months
    RainSums m_sums;
};

// Writes `count` records of generated weather to the data file at `path`, numbered from 1, the
// last one at `last` (local time) and each five minutes after the one before. The file is
// created: false, writing nothing, when it exists already or cannot be written.
bool WriteSampleDataFile(const std::string& path, long count, time_t last);

#include "controls/chart/ChartScale.h"

#include "controls/chart/ChartDateFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

namespace {

// Powers of the base a logarithmic axis shows below its upper limit when its lower one is 0.
constexpr int kLogDecadesShown = 5;

double LogOf(double value, double base) {
    return std::log(value) / std::log(base);
}

} // namespace

AxisScale::AxisScale(const ChartAxis& axis, double low, double high)
    : m_log(axis.logarithmic), m_base(axis.logBase > 1 ? axis.logBase : 10), m_lower(axis.min),
      m_upper(axis.max), m_low(low), m_high(high) {
    if (!std::isfinite(m_lower) || !std::isfinite(m_upper) || m_lower == m_upper) {
        m_lower = std::isfinite(m_lower) ? m_lower - 1 : 0;
        m_upper = m_lower + 2;
    }
    if (m_lower > m_upper)
        std::swap(m_lower, m_upper);
    if (m_log) {
        if (m_upper <= 0)
            m_upper = m_base;
        if (m_lower <= 0)
            m_lower = std::pow(m_base, std::floor(LogOf(m_upper, m_base)) - kLogDecadesShown);
        if (m_lower >= m_upper)
            m_lower = m_upper / m_base;
    }
    m_from = Position(m_lower);
    m_to = Position(m_upper);
}

double AxisScale::Position(double value) const {
    if (!m_log)
        return value;
    return LogOf(std::max(value, m_lower), m_base);
}

double AxisScale::Value(double position) const {
    return m_log ? std::pow(m_base, position) : position;
}

double AxisScale::ToPixel(double value) const {
    return m_low + (Position(value) - m_from) / (m_to - m_from) * (m_high - m_low);
}

double AxisScale::FromPixel(double pixel) const {
    return Value(m_from + (pixel - m_low) / (m_high - m_low) * (m_to - m_from));
}

std::pair<double, double> AxisScale::Shifted(double pixels) const {
    const double delta = pixels / (m_high - m_low) * (m_to - m_from);
    return {Value(m_from + delta), Value(m_to + delta)};
}

std::pair<double, double> AxisScale::Between(double pixelA, double pixelB) const {
    const double a = FromPixel(pixelA), b = FromPixel(pixelB);
    return {std::min(a, b), std::max(a, b)};
}

std::pair<double, double> FittedLimits(const std::vector<const std::vector<double>*>& values) {
    double lower = std::numeric_limits<double>::infinity();
    double upper = -lower;
    for (const std::vector<double>* list : values) {
        for (double v : *list) {
            if (std::isfinite(v)) {
                lower = std::min(lower, v);
                upper = std::max(upper, v);
            }
        }
    }
    if (lower > upper)
        return {0, 1};
    const double margin = upper > lower ? (upper - lower) * 0.05 : 1;
    return {lower - margin, upper + margin};
}

std::vector<double> LinearTicks(double lower, double upper, int maxCount) {
    std::vector<double> ticks;
    if (!(upper > lower) || maxCount < 1)
        return ticks;
    const double rough = (upper - lower) / maxCount;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (power * factor >= rough) {
            step = power * factor;
            break;
        }
    }
    for (double tick = std::ceil(lower / step) * step; tick <= upper + step * 1e-9; tick += step)
        ticks.push_back(std::fabs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}

std::vector<double> LogTicks(double lower, double upper, double base, int maxCount) {
    std::vector<double> ticks;
    if (!(upper > lower) || lower <= 0 || maxCount < 1)
        return ticks;
    const int first = static_cast<int>(std::ceil(LogOf(lower, base) - 1e-9));
    const int last = static_cast<int>(std::floor(LogOf(upper, base) + 1e-9));
    const int every = std::max(1, (last - first + 1 + maxCount - 1) / maxCount);
    for (int power = first; power <= last; power += every)
        ticks.push_back(std::pow(base, power));
    return ticks;
}

namespace {

constexpr double kSecond = 1.0 / 86400;

// Steps below a month, in days.
constexpr double kTimeSteps[] = {kSecond,
                                 2 * kSecond,
                                 5 * kSecond,
                                 10 * kSecond,
                                 15 * kSecond,
                                 30 * kSecond,
                                 60 * kSecond,
                                 120 * kSecond,
                                 300 * kSecond,
                                 600 * kSecond,
                                 900 * kSecond,
                                 1800 * kSecond,
                                 1.0 / 24,
                                 2.0 / 24,
                                 3.0 / 24,
                                 6.0 / 24,
                                 12.0 / 24,
                                 1,
                                 2,
                                 7,
                                 14};

// Steps of whole months: 1, 2, 3, 6 months, then years.
constexpr int kMonthSteps[] = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200};

} // namespace

std::vector<double> TimeTicks(double lower, double upper, int maxCount) {
    std::vector<double> ticks;
    if (!(upper > lower) || maxCount < 1 || upper - lower > 1e6)
        return ticks;
    const double rough = (upper - lower) / maxCount;
    for (double step : kTimeSteps) {
        if (step < rough)
            continue;
        // Weeks and fortnights start on a Sunday (OLE day 1 was a Sunday).
        const double origin = step >= 7 ? 1 : 0;
        for (double tick = std::ceil((lower - origin) / step - 1e-9) * step + origin;
             tick <= upper + 1e-9; tick += step)
            ticks.push_back(std::round(tick / kSecond) * kSecond);
        return ticks;
    }
    const double roughMonths = rough / 30.4;
    int months = kMonthSteps[std::size(kMonthSteps) - 1];
    for (int step : kMonthSteps) {
        if (step >= roughMonths) {
            months = step;
            break;
        }
    }
    const OleDateParts start = SplitOleDate(lower);
    int index = start.year * 12 + (start.month - 1);
    index = (index + months - 1) / months * months;
    for (;; index += months) {
        const double tick = JoinOleDate(index / 12, index % 12 + 1, 1);
        if (tick > upper)
            break;
        if (tick >= lower)
            ticks.push_back(tick);
    }
    return ticks;
}

std::string NumberLabel(double value, double step) {
    int decimals = 0;
    if (step > 0 && step < 1)
        decimals = std::min(6, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    // With a point whatever the C library's locale.
    char buffer[400];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                            std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

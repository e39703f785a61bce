#pragma once

#include "controls/chart/ChartModel.h"

#include <string>
#include <utility>
#include <vector>

// One axis laid along a stretch of pixels: value to pixel and back, linear or logarithmic.
//
// A logarithmic axis cannot reach 0: with a lower limit of 0 or below it starts five powers of
// its base below the greatest power not above its upper limit (1 lux for 300000 lux), and
// values at or below that start lie on it.
class AxisScale {
public:
    // `low` is the pixel of the axis's minimum, `high` that of its maximum (for a vertical axis
    // `low` is the larger pixel).
    AxisScale(const ChartAxis& axis, double low, double high);

    double ToPixel(double value) const;
    double FromPixel(double pixel) const;
    double Lower() const { return m_lower; }
    double Upper() const { return m_upper; }
    bool Logarithmic() const { return m_log; }
    double LogBase() const { return m_base; }

    // The axis's limits after the picture moves by `pixels` along it.
    std::pair<double, double> Shifted(double pixels) const;
    // The limits that show exactly the stretch between two pixels.
    std::pair<double, double> Between(double pixelA, double pixelB) const;

private:
    double Position(double value) const; // linear, or the logarithm
    double Value(double position) const;

    bool m_log;
    double m_base;
    double m_lower, m_upper;
    double m_low, m_high;
    double m_from, m_to; // positions of the limits
};

// The shown limits of an axis: those set, or, without them, the range of `values` (all of
// the series' x or y), widened a little so nothing sits on the frame.
std::pair<double, double> FittedLimits(const std::vector<const std::vector<double>*>& values);

// Major tick values inside [lower, upper], at most about `maxCount` of them.
std::vector<double> LinearTicks(double lower, double upper, int maxCount);
// The powers of `base` inside [lower, upper], thinned to about `maxCount`.
std::vector<double> LogTicks(double lower, double upper, double base, int maxCount);
// OLE dates at round seconds, minutes, hours, days, months or years.
std::vector<double> TimeTicks(double lower, double upper, int maxCount);

// A number label with the decimals the step between ticks needs.
std::string NumberLabel(double value, double step);

#include "controls/ScaleBounds.h"

#include <algorithm>
#include <climits>
#include <cmath>

int BoundedDivisions(int divisions) {
    return std::clamp(divisions, 1, kMaxScaleDivisions);
}

bool CanWiden(float value, float step) {
    return std::isfinite(value) && std::isfinite(step) && step > 0.0f;
}

int TruncToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int FilledLength(int full, float part, float whole) {
    // Computed in single precision like the scale itself, so that a reading on a tick fills
    // exactly up to that tick.
    const float length = static_cast<float>(full) * part / whole;
    return std::clamp(TruncToInt(length), std::min(0, full), std::max(0, full));
}

#include "station/values/Beaufort.h"

#include <cmath>

namespace {

// The highest tenths of m/s of each level; level 12 is open above, its entry is the speed the
// program shows for it.
constexpr int kBandTopTenths[kBeaufortMaxLevel + 1] = {2,   15,  33,  54,  79,  107, 138,
                                                       171, 207, 244, 284, 326, 369};

} // namespace

int BeaufortFromSpeed(float speed) {
    const double tenths = std::trunc(double{speed} * 10.0f);
    for (int level = 0; level < kBeaufortMaxLevel; ++level) {
        // Written as "not above" so that a speed that is not a number lands in level 0.
        if (!(tenths > kBandTopTenths[level])) {
            return level;
        }
    }
    return kBeaufortMaxLevel;
}

float SpeedFromBeaufort(int level) {
    if (level < 0 || level > kBeaufortMaxLevel) {
        return 0.0f;
    }
    return static_cast<float>(kBandTopTenths[level]) / 10.0f;
}

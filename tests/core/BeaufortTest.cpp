#include "station/values/Beaufort.h"

#include "station/values/WindDirection.h"

#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

namespace {

struct SpeedLevel {
    float speed;
    int level;
};

void PrintTo(const SpeedLevel& c, std::ostream* os) {
    *os << c.speed << " m/s";
}

class BeaufortLevel : public testing::TestWithParam<SpeedLevel> {};

TEST_P(BeaufortLevel, IsTheBandOfTheSpeedsTenfold) {
    EXPECT_EQ(BeaufortFromSpeed(GetParam().speed), GetParam().level) << GetParam().speed;
}

INSTANTIATE_TEST_SUITE_P(BandEdges, BeaufortLevel,
                         testing::Values(SpeedLevel{0.0f, 0}, SpeedLevel{0.2f, 0},
                                         SpeedLevel{0.3f, 1}, SpeedLevel{1.5f, 1},
                                         SpeedLevel{1.6f, 2}, SpeedLevel{5.5f, 4},
                                         SpeedLevel{13.8f, 6}, SpeedLevel{32.6f, 11},
                                         SpeedLevel{32.7f, 12}, SpeedLevel{100.0f, 12},
                                         SpeedLevel{-5.0f, 0}, SpeedLevel{NAN, 0},
                                         SpeedLevel{INFINITY, 12}));

TEST(BeaufortLevel, TheThirtyTwoBitSpeedDecidesAtABandEdge) {
    // 13.9 read from a text is just below 13.9; 139 tenths times 0.1f is just above.
    EXPECT_EQ(BeaufortFromSpeed(static_cast<float>(std::atof("13.9"))), 6);
    EXPECT_EQ(BeaufortFromSpeed(static_cast<float>(139 * double{0.1f})), 7);
}

TEST(SpeedFromBeaufort, IsTheTopOfTheBandAndGivesTheLevelBack) {
    const float tops[] = {0.2f,  1.5f,  3.3f,  5.4f,  7.9f,  10.7f, 13.8f,
                          17.1f, 20.7f, 24.4f, 28.4f, 32.6f, 36.9f};
    for (int level = 0; level <= kBeaufortMaxLevel; ++level) {
        EXPECT_EQ(SpeedFromBeaufort(level), tops[level]) << level;
        EXPECT_EQ(BeaufortFromSpeed(SpeedFromBeaufort(level)), level);
    }
}

TEST(SpeedFromBeaufort, IsZeroOffTheScale) {
    EXPECT_EQ(SpeedFromBeaufort(13), 0.0f);
    EXPECT_EQ(SpeedFromBeaufort(-1), 0.0f);
}

TEST(WindDirectionName, NamesSixteenPointsClockwiseFromNorth) {
    const char* names[] = {"N", "NNE", "NE", "NEE", "E", "SEE", "SE", "SSE",
                           "S", "SSW", "SW", "SWW", "W", "NWW", "NW", "NNW"};
    for (unsigned index = 0; index < 16; ++index) {
        EXPECT_EQ(WindDirectionName(index), names[index]);
    }
    EXPECT_EQ(WindDirectionName(16), "");
    EXPECT_EQ(WindDirectionName(static_cast<unsigned>(-1)), "");
}

} // namespace

#include "controls/RainLevel.h"

#include "controls/GdiPainter.h"
#include "controls/ScaleBounds.h"
#include "tests/gui/GaugeSnapshot.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace {

// A 50 x 200 rain bar: the scale runs from y 196 up 192 pixels to y 4; the bar's frame starts
// 5 pixels right of the widest label and its inside ends at y 195.
constexpr int kWidth = 50;
constexpr int kHeight = 200;
constexpr int kScaleBottom = 196;
constexpr int kScaleHeight = 192;

struct Rescaling {
    float value;
    float max;
    int divisions;
};

class RainLevelRescaling : public testing::TestWithParam<Rescaling> {};

TEST_P(RainLevelRescaling, GrowsInStepsAndThenJumpsToARoundScale) {
    CRainLevel gauge;
    gauge.SetRange(40.0f, 2, GetParam().value);
    EXPECT_FLOAT_EQ(gauge.Max(), GetParam().max);
    EXPECT_EQ(gauge.Divisions(), GetParam().divisions);
}

INSTANTIATE_TEST_SUITE_P(ViewHourRain, RainLevelRescaling,
                         testing::Values(Rescaling{0, 40, 2}, Rescaling{30, 40, 2},
                                         Rescaling{40, 40, 2}, Rescaling{55, 60, 3},
                                         Rescaling{70, 160, 4}, Rescaling{130, 160, 4},
                                         Rescaling{150, 240, 4}, Rescaling{-5, 40, 2}));

TEST(RainLevel, FillsTheBarToTheValueOnTheRescaledScale) {
    CRainLevel gauge;
    gauge.SetValueText(40.0f, 2, "70");
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const int labelWidth = QFontMetrics(GaugeFont()).horizontalAdvance(QStringLiteral("160"));
    const int barLeft = labelWidth + 5;

    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(shot.pixel(labelWidth + 2, kScaleBottom - kScaleHeight * i / 4), kGaugeBlack)
            << "tick " << i;
    EXPECT_EQ(shot.pixel(barLeft, kHeight / 2), kGaugeBlack);
    // 70 of 160 fills trunc(193 * 70 / 160) = 84 pixels up from the frame's bottom (y 197).
    EXPECT_EQ(shot.pixel(barLeft + 3, 197 - 84), kGaugeBlue);
    EXPECT_EQ(shot.pixel(barLeft + 3, 197 - 85), kGaugeWhite);
    EXPECT_EQ(shot.pixel(kWidth - 2, 197 - 84), kGaugeBlue);
    EXPECT_EQ(shot.pixel(kWidth - 1, 197 - 84), kGaugeBlack) << "the frame is closed on the right";
}

TEST(RainLevel, LabelsArePaddedToTheWidthOfTheLargest) {
    CRainLevel gauge;
    gauge.SetValueText(40.0f, 2, "150");
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const QFontMetrics metrics(GaugeFont());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("240"));
    // Label 1 of 0..240 in 4 divisions is " 60", padded to the three digits of "240".
    const int y = kScaleBottom - kScaleHeight / 4 - metrics.height() / 2;
    const QRect box(0, y, labelWidth, metrics.height());
    EXPECT_TRUE(ShowsText(shot, 0, y, QStringLiteral(" 60"), box));
    EXPECT_FALSE(ShowsText(shot, 0, y, QStringLiteral("60"), box));
    // The top label would stick out above the control; it moves just inside.
    const int top = std::max(0, kScaleBottom - kScaleHeight - metrics.height() / 2);
    EXPECT_TRUE(ShowsText(shot, 0, top, QStringLiteral("240"),
                          QRect(0, top, labelWidth, metrics.height())));
}

TEST(RainLevel, NoValueHidesTheBarButKeepsTheScale) {
    CRainLevel gauge;
    gauge.SetValueText(40.0f, 2, "70");
    gauge.SetValueText(40.0f, 2, "---");
    EXPECT_FALSE(gauge.HasValue());
    EXPECT_EQ(gauge.Divisions(), 2);
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    EXPECT_FALSE(ContainsColour(shot, kGaugeBlue));
}

class RainLevelAbsurdValue : public testing::TestWithParam<const char*> {};

TEST_P(RainLevelAbsurdValue, StaysBounded) {
    CRainLevel gauge;
    gauge.SetValueText(400.0f, 2, GetParam());
    EXPECT_LE(gauge.Divisions(), kMaxScaleDivisions);
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    EXPECT_EQ(shot.pixel(kWidth - 2, kScaleBottom - 10) == kGaugeBlue,
              std::string(GetParam()) == "1e30");
}

INSTANTIATE_TEST_SUITE_P(NonFiniteAndHuge, RainLevelAbsurdValue,
                         testing::Values("nan", "inf", "-inf", "1e30", "-1e30"));

TEST(RainLevel, AZeroOrNegativeFullScaleDrawsWithoutDividingByZero) {
    CRainLevel gauge;
    for (float max : {0.0f, -40.0f}) {
        gauge.SetValueText(max, 0, "12");
        EXPECT_EQ(gauge.Divisions(), 1);
        const QImage shot = Snapshot(gauge, kWidth, kHeight);
        EXPECT_TRUE(ContainsColour(shot, kGaugeBlack));
    }
}

} // namespace

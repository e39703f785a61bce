#include "controls/TempLevel.h"

#include "controls/GdiPainter.h"
#include "controls/ScaleBounds.h"
#include "tests/gui/GaugeSnapshot.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

namespace {

// A 60 x 200 thermometer: the scale runs from y 185 (bottom) up 181 pixels to y 4; the tube
// lies right of the "000"-wide labels and their 5-pixel ticks; the bulb sits below.
constexpr int kWidth = 60;
constexpr int kHeight = 200;
constexpr int kScaleBottom = 185;
constexpr int kScaleHeight = 181;

struct Layout {
    int labelWidth;
    int labelHeight;
    int TickX() const { return labelWidth; }
    int TubeX() const { return labelWidth + 5; }
};

Layout LayoutOfGauge() {
    const QFontMetrics metrics(GaugeFont());
    return {metrics.horizontalAdvance(QStringLiteral("000")), metrics.height()};
}

int TickY(int i, int divisions) {
    return kScaleBottom - kScaleHeight * i / divisions;
}

CTempLevel& ViewThermometer(CTempLevel& gauge) {
    gauge.SetRange(-40.0f, 60.0f, 10, -40.0f);
    return gauge;
}

struct Widening {
    const char* text;
    float min;
    float max;
    int divisions;
};

class TempLevelWidening : public testing::TestWithParam<Widening> {};

TEST_P(TempLevelWidening, AddsWholeDivisionsOfTheBaseRangeUntilTheValueFits) {
    CTempLevel gauge;
    ViewThermometer(gauge).SetValueText(-40.0f, 60.0f, 10, GetParam().text);
    EXPECT_FLOAT_EQ(gauge.Min(), GetParam().min);
    EXPECT_FLOAT_EQ(gauge.Max(), GetParam().max);
    EXPECT_EQ(gauge.Divisions(), GetParam().divisions);
}

INSTANTIATE_TEST_SUITE_P(ViewRange, TempLevelWidening,
                         testing::Values(Widening{"20.0", -40, 60, 10},
                                         Widening{"60.0", -40, 60, 10},
                                         Widening{"-40.0", -40, 60, 10},
                                         Widening{"65", -40, 70, 11}, Widening{"-45", -50, 60, 11},
                                         Widening{"60.1", -40, 70, 11}, Widening{"85", -40, 90, 13},
                                         Widening{"---", -40, 60, 10},
                                         Widening{"nan", -40, 60, 10}));

TEST(TempLevel, AWidenedScaleShowsItsElevenTicksLabelsAndColumn) {
    CTempLevel gauge;
    ViewThermometer(gauge).SetValueText(-40.0f, 60.0f, 10, "65");
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const Layout layout = LayoutOfGauge();

    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(shot.pixel(layout.TickX() + 2, TickY(i, 11)), kGaugeBlack) << "tick " << i;
    // Label 6 of -40..70 in 11 divisions is 20, on its own tick (not where 10 divisions put it).
    const int y = TickY(6, 11) - layout.labelHeight / 2;
    EXPECT_TRUE(ShowsText(shot, 0, y, QStringLiteral("  20"),
                          QRect(1, y, layout.labelWidth - 1, layout.labelHeight)));
    EXPECT_FALSE(ShowsText(shot, 0, y, QStringLiteral("  10"),
                           QRect(1, y, layout.labelWidth - 1, layout.labelHeight)));

    // 65 of -40..70 fills trunc(181 * 105 / 110) = 172 pixels of the tube.
    const int columnTop = kScaleBottom - 172;
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, columnTop), kGaugeBlue);
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, columnTop - 1), kGaugeWhite);
}

TEST(TempLevel, TheTopLabelStandsWholeInsideTheControl) {
    CTempLevel gauge;
    ViewThermometer(gauge);
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const Layout layout = LayoutOfGauge();
    // Centred on its tick at y 4 it would stick out above the control.
    ASSERT_LT(TickY(10, 10) - layout.labelHeight / 2, 0);
    EXPECT_TRUE(ShowsText(shot, 0, 0, QStringLiteral("  60"),
                          QRect(1, 1, layout.labelWidth - 1, layout.labelHeight - 1)));
}

TEST(TempLevel, ReturnsToTheBaseRangeWhenTheValueComesBack) {
    CTempLevel gauge;
    ViewThermometer(gauge).SetValueText(-40.0f, 60.0f, 10, "65");
    gauge.SetValueText(-40.0f, 60.0f, 10, "20");
    EXPECT_FLOAT_EQ(gauge.Max(), 60.0f);
    EXPECT_EQ(gauge.Divisions(), 10);

    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const Layout layout = LayoutOfGauge();
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(shot.pixel(layout.TickX() + 2, TickY(i, 10)), kGaugeBlack) << "tick " << i;
    // 20 of -40..60 fills trunc(181 * 60 / 100) = 108 pixels.
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, kScaleBottom - 108), kGaugeBlue);
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, kScaleBottom - 109), kGaugeWhite);
}

TEST(TempLevel, NoValueKeepsTheScaleHidesTheColumnAndStillDrawsTheBulb) {
    CTempLevel gauge;
    ViewThermometer(gauge).SetValueText(-40.0f, 60.0f, 10, "20");
    gauge.SetValueText(-40.0f, 60.0f, 10, "---");
    EXPECT_FALSE(gauge.HasValue());
    EXPECT_EQ(gauge.Divisions(), 10);

    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const Layout layout = LayoutOfGauge();
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, kScaleBottom - 1), kGaugeWhite);
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, kScaleBottom - 100), kGaugeWhite);
    // The bulb's centre, and the outline round the whole control.
    EXPECT_EQ(shot.pixel(layout.labelWidth + 6, kHeight - 8), kGaugeBlue);
    EXPECT_EQ(shot.pixel(0, kHeight / 2), kGaugeBlack);
    EXPECT_EQ(shot.pixel(kWidth - 1, kHeight / 2), kGaugeBlack);
    EXPECT_EQ(shot.pixel(kWidth / 2, 0), kGaugeBlack);
    EXPECT_EQ(shot.pixel(kWidth / 2, kHeight - 1), kGaugeBlack);
}

TEST(TempLevel, RepaintsOnlyWhenWhatItShowsChanges) {
    CTempLevel gauge;
    ViewThermometer(gauge).SetValueText(-40.0f, 60.0f, 10, "0.0");
    gauge.resize(kWidth, kHeight);
    gauge.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gauge));
    PaintCounter paints(gauge);
    paints.TakeCount();

    gauge.SetValueText(-40.0f, 60.0f, 10, "0.0");
    EXPECT_EQ(paints.TakeCount(), 0);
    // "---" reads as the same number 0, yet the column must go.
    gauge.SetValueText(-40.0f, 60.0f, 10, "---");
    EXPECT_GT(paints.TakeCount(), 0);
    gauge.SetValueText(-40.0f, 60.0f, 10, "12.5");
    EXPECT_GT(paints.TakeCount(), 0);
}

struct Absurd {
    const char* text;
    bool columnFull;
};

class TempLevelAbsurdValue : public testing::TestWithParam<Absurd> {};

TEST_P(TempLevelAbsurdValue, StaysBoundedAndDrawsNoColumnForANonNumber) {
    CTempLevel gauge;
    ViewThermometer(gauge).SetValueText(-40.0f, 60.0f, 10, GetParam().text);
    EXPECT_LE(gauge.Divisions(), kMaxScaleDivisions);
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const Layout layout = LayoutOfGauge();
    EXPECT_EQ(shot.pixel(layout.TubeX() + 1, kScaleBottom - 1),
              GetParam().columnFull ? kGaugeBlue : kGaugeWhite);
}

INSTANTIATE_TEST_SUITE_P(NonFiniteAndHuge, TempLevelAbsurdValue,
                         testing::Values(Absurd{"nan", false}, Absurd{"inf", false},
                                         Absurd{"-inf", false}, Absurd{"1e300", false},
                                         Absurd{"1e30", true}, Absurd{"-1e30", false}));

TEST(TempLevel, DegenerateRangesDrawWithoutDividingByZero) {
    CTempLevel gauge;
    for (const auto& [min, max, divisions] :
         {std::tuple{0.0f, 0.0f, 10}, std::tuple{60.0f, -40.0f, 10}, std::tuple{-40.0f, 60.0f, 0},
          std::tuple{-40.0f, 60.0f, 2000000000}}) {
        gauge.SetRange(min, max, divisions, 75.0f);
        EXPECT_GE(gauge.Divisions(), 1);
        EXPECT_LE(gauge.Divisions(), kMaxScaleDivisions);
        const QImage shot = Snapshot(gauge, kWidth, kHeight);
        EXPECT_EQ(shot.pixel(0, kHeight / 2), kGaugeBlack);
    }
}

} // namespace

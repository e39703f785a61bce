#include "controls/WindDir.h"

#include "controls/GdiPainter.h"
#include "tests/gui/GaugeSnapshot.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

// A 131 x 119 compass: the needle's area is 66 x 60 around (66, 59).
constexpr int kWidth = 131;
constexpr int kHeight = 119;
constexpr QRgb kRose = qRgb(200, 30, 30);

// Left half rose-coloured, right half the transparent colour.
QPixmap TestCompass() {
    QPixmap picture(20, 20);
    picture.fill(QColor(kTransparentColour));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 10, 20, QColor(kRose));
    return picture;
}

struct Needle {
    int direction;
    QPoint on;  // inside the needle
    QPoint off; // the other way round
};

class WindDirNeedle : public testing::TestWithParam<Needle> {};

TEST_P(WindDirNeedle, PointsTheWayOfItsDirection) {
    CWindDir compass;
    compass.SetDirection(GetParam().direction);
    const QImage shot = Snapshot(compass, kWidth, kHeight);
    EXPECT_EQ(shot.pixel(GetParam().on), kGaugeBlue);
    EXPECT_NE(shot.pixel(GetParam().off), kGaugeBlue);
}

INSTANTIATE_TEST_SUITE_P(
    Quarters, WindDirNeedle,
    testing::Values(Needle{0, {66, 40}, {66, 78}}, Needle{4, {85, 59}, {47, 59}},
                    Needle{8, {66, 78}, {66, 40}}, Needle{12, {47, 59}, {85, 59}},
                    Needle{2, {78, 47}, {54, 71}}, Needle{15, {59, 45}, {72, 73}}));

TEST(WindDir, TheCompassIsStretchedWithItsTransparentColourLeftOut) {
    CWindDir compass;
    compass.SetCompass(TestCompass());
    const QImage shot = Snapshot(compass, kWidth, kHeight);
    EXPECT_EQ(shot.pixel(5, 5), kRose);
    EXPECT_EQ(shot.pixel(60, 110), kRose);
    EXPECT_EQ(shot.pixel(70, 5), kBackdrop);
    EXPECT_EQ(shot.pixel(125, 110), kBackdrop);
    // The hub in the centre: white inside a black ring.
    EXPECT_EQ(shot.pixel(65, 59), kGaugeWhite);
    EXPECT_EQ(shot.pixel(63, 59), kGaugeBlack);
}

struct NoNeedle {
    const char* text;
    int direction;
};

class WindDirNoNeedle : public testing::TestWithParam<NoNeedle> {};

TEST_P(WindDirNoNeedle, DrawsNoNeedleOutsideTheSixteenDirections) {
    CWindDir compass;
    compass.SetDirection(3);
    compass.SetDirection(std::string(GetParam().text));
    EXPECT_EQ(compass.Direction(), GetParam().direction);
    EXPECT_FALSE(ContainsColour(Snapshot(compass, kWidth, kHeight), kGaugeBlue));
}

INSTANTIATE_TEST_SUITE_P(Texts, WindDirNoNeedle,
                         testing::Values(NoNeedle{"---", -1}, NoNeedle{"", -1}, NoNeedle{"16", 16},
                                         NoNeedle{"-3", -3}, NoNeedle{"99999999999", 2147483647}));

TEST(WindDir, ACompassWithoutRoomForTheNeedleShrinksItToTheCentre) {
    CWindDir compass;
    compass.SetDirection(5);
    // At 65 x 59 the needle's area has no size: its centre is (33, 29).
    const QImage shot = Snapshot(compass, 65, 59);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == kGaugeBlue) {
                EXPECT_LE((QPoint(x, y) - QPoint(33, 29)).manhattanLength(), 2) << x << "," << y;
            }
    // Smaller still, the ring's margins cross over; drawing must still end.
    EXPECT_EQ(Snapshot(compass, 3, 3).size(), QSize(3, 3));
}

} // namespace

#include "controls/AlarmBell.h"

#include "controls/BellEvents.h"
#include "tests/gui/GaugeSnapshot.h"

#include <thread>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QTest>

namespace {

constexpr QRgb kRed = qRgb(220, 0, 0);
constexpr QRgb kGreen = qRgb(0, 180, 0);
constexpr QRgb kYellow = qRgb(230, 230, 0);
constexpr int kSize = 32;

// An 8 x 8 picture of one colour whose top-left quarter is the transparent colour.
QPixmap BellPicture(QRgb colour) {
    QPixmap picture(8, 8);
    picture.fill(QColor(colour));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 4, 4, QColor(kTransparentColour));
    return picture;
}

// What the bell shows: the colour of its body, and whether its hole lets the backdrop through.
QRgb BodyColour(CAlarmBell& bell) {
    return Snapshot(bell, kSize, kSize).pixel(24, 24);
}

class AlarmBellTest : public testing::Test {
protected:
    void Arm(const QPixmap& normal, const QPixmap& blink) {
        BellBitmapsEvent event(normal, blink);
        QCoreApplication::sendEvent(&bell, &event);
    }
    void Toggle() {
        BellToggleEvent event;
        QCoreApplication::sendEvent(&bell, &event);
    }

    CAlarmBell bell;
    const QPixmap alarm = BellPicture(kRed);
    const QPixmap blink = BellPicture(kGreen);
    const QPixmap quiet = BellPicture(kYellow);
};

TEST_F(AlarmBellTest, AnArmedBellDrawsItsPictureStretchedWithTheHoleLeftOut) {
    Arm(alarm, blink);
    const QImage shot = Snapshot(bell, kSize, kSize);
    EXPECT_EQ(shot.pixel(24, 24), kRed);
    EXPECT_EQ(shot.pixel(16, 16), kRed);
    EXPECT_EQ(shot.pixel(2, 2), kBackdrop);
    EXPECT_EQ(shot.pixel(15, 15), kBackdrop);
}

TEST_F(AlarmBellTest, EachToggleAlternatesNormalAndBlinkPicture) {
    Arm(alarm, blink);
    Toggle();
    EXPECT_EQ(BodyColour(bell), kGreen);
    EXPECT_EQ(Snapshot(bell, kSize, kSize).pixel(2, 2), kBackdrop);
    Toggle();
    EXPECT_EQ(BodyColour(bell), kRed);
}

TEST_F(AlarmBellTest, WithoutABlinkPictureAToggleRepaintsTheNormalOneUnchanged) {
    Arm(quiet, QPixmap());
    bell.resize(kSize, kSize);
    bell.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bell));
    PaintCounter paints(bell);
    paints.TakeCount();

    Toggle();
    EXPECT_TRUE(bell.BlinkPhase());
    EXPECT_GT(paints.TakeCount(), 0);
    EXPECT_EQ(BodyColour(bell), kYellow);
}

TEST_F(AlarmBellTest, TheSameNormalPictureChangesNothingNotEvenTheBlinkPicture) {
    Arm(quiet, QPixmap());
    Arm(quiet, blink);
    Toggle();
    EXPECT_EQ(BodyColour(bell), kYellow);

    // A copy of a picture is the same picture.
    Arm(alarm, blink);
    Arm(QPixmap(alarm), quiet);
    EXPECT_EQ(BodyColour(bell), kGreen);
}

TEST_F(AlarmBellTest, ANewNormalPictureRearmsInTheCurrentPhase) {
    Arm(alarm, blink);
    Toggle();
    Arm(quiet, QPixmap());
    EXPECT_EQ(BodyColour(bell), kYellow);
    Arm(alarm, blink);
    EXPECT_EQ(BodyColour(bell), kGreen);
}

TEST_F(AlarmBellTest, UntilArmedItIsAPlainPictureLabelThatANullPictureDoesNotArm) {
    QPixmap formPicture(kSize, kSize);
    formPicture.fill(QColor(kYellow));
    bell.setPixmap(formPicture);
    Arm(QPixmap(), blink);
    Toggle();
    EXPECT_EQ(BodyColour(bell), kYellow);
    EXPECT_EQ(Snapshot(bell, kSize, kSize).pixel(2, 2), kYellow);
}

TEST_F(AlarmBellTest, EventsPostedFromAnotherThreadArriveOnTheInterfaceThread) {
    // Pictures belong to the interface thread: the events are made there and posted elsewhere.
    auto* bitmaps = new BellBitmapsEvent(alarm, blink);
    auto* toggle = new BellToggleEvent;
    std::thread sender([&] {
        QCoreApplication::postEvent(&bell, bitmaps);
        QCoreApplication::postEvent(&bell, toggle);
    });
    sender.join();
    EXPECT_FALSE(bell.BlinkPhase());
    QCoreApplication::sendPostedEvents(&bell);
    EXPECT_TRUE(bell.BlinkPhase());
    EXPECT_EQ(BodyColour(bell), kGreen);
}

} // namespace

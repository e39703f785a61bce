#include "platform/qt/DialogUnits.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

namespace {

TEST(DialogUnits, AverageWidthIsTheAlphabetsWidthOverFiftyTwoRounded) {
    struct Case {
        int alphabetWidth, height, x, y;
    };
    const Case cases[] = {
        {312, 13, 6, 13}, // 8-point shell font of the classic desktop
        {338, 13, 7, 13}, // 6.5 rounds up
        {337, 16, 6, 16}, // just below 6.5
        {353, 13, 7, 13}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const DialogBaseUnits units = BaseUnitsFromMetrics(c.alphabetWidth, c.height);
        EXPECT_EQ(units.x, c.x) << c.alphabetWidth;
        EXPECT_EQ(units.y, c.y) << c.alphabetWidth;
    }
}

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(7, 6, 4), 11);   // 10.5
    EXPECT_EQ(MulDiv(-7, 6, 4), -11); // -10.5
    EXPECT_EQ(MulDiv(9, 13, 8), 15);  // 14.625
    EXPECT_EQ(MulDiv(5, 13, 8), 8);   // 8.125
    EXPECT_EQ(MulDiv(7, 6, -4), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000); // no overflow on the way
}

TEST(DialogUnits, RectanglesConvertPositionAndSizeEachOnItsOwn) {
    const DialogBaseUnits shell{6, 13};
    EXPECT_EQ(MapDialogRect(shell, 7, 9, 50, 14), QRect(11, 15, 75, 23));
    // The history dialog's list: 5,43,515,270.
    EXPECT_EQ(MapDialogRect(shell, 5, 43, 515, 270), QRect(8, 70, 773, 439));
    EXPECT_EQ(MapDialogSize(shell, 532, 348), QSize(798, 566));
    const DialogBaseUnits wide{7, 13};
    EXPECT_EQ(MapDialogRect(wide, 7, 9, 50, 14), QRect(12, 15, 88, 23));
}

TEST(DialogUnits, BaseUnitsOfAFontComeFromItsOwnMetrics) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    const QFontMetrics metrics(font);
    int alphabet = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        alphabet +=
            metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c - 'A' + 'a'));
    }
    const DialogBaseUnits units = BaseUnitsOf(font);
    // Whole-string and per-letter widths may differ by kerning, never by half a unit.
    EXPECT_NEAR(units.x, (alphabet / 26.0) / 2.0, 0.6);
    EXPECT_EQ(units.y, metrics.height());
    // A larger font makes larger units, so a dialog grows with its font.
    font.setPointSize(18);
    EXPECT_GT(BaseUnitsOf(font).x, units.x);
    EXPECT_GT(BaseUnitsOf(font).y, units.y);
}

} // namespace

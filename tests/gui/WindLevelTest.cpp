#include "controls/WindLevel.h"

#include "controls/GdiPainter.h"
#include "tests/gui/GaugeSnapshot.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace {

// A 200 x 40 bar: its scale runs 192 pixels from x 4, 16 pixels a level; the frame starts 5
// pixels below the labels' ticks.
constexpr int kWidth = 200;
constexpr int kHeight = 40;

int LevelX(int level) {
    return 4 + 192 * level / 12;
}

int FrameTop() {
    return QFontMetrics(GaugeFont()).height() + 5;
}

class WindLevelFill : public testing::TestWithParam<int> {};

TEST_P(WindLevelFill, FillsUpToTheLevelsTick) {
    const int level = GetParam();
    CWindLevel gauge;
    gauge.SetLevel(level);
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const int y = FrameTop() + 5;

    EXPECT_EQ(shot.pixel(4, y), kGaugeBlack);
    EXPECT_EQ(shot.pixel(kWidth - 4, y), kGaugeBlack);
    if (level > 0) {
        EXPECT_EQ(shot.pixel(LevelX(level) - 1, y), kGaugeBlue);
    }
    if (level > 0 && level < 12) {
        EXPECT_EQ(shot.pixel(LevelX(level), y), kGaugeWhite);
    }
    EXPECT_EQ(shot.pixel(5, kHeight - 2), level > 0 ? kGaugeBlue : kGaugeWhite);
    EXPECT_EQ(shot.pixel(5, kHeight - 1), kGaugeBlack) << "the frame is closed at the bottom";
}

INSTANTIATE_TEST_SUITE_P(Beaufort, WindLevelFill, testing::Values(0, 1, 5, 11, 12));

TEST(WindLevel, DrawsATickUnderEachOfTheThirteenLabels) {
    CWindLevel gauge;
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const int tickY = QFontMetrics(GaugeFont()).height() + 2;
    for (int level = 0; level <= 12; ++level) {
        EXPECT_EQ(shot.pixel(LevelX(level), tickY), kGaugeBlack) << "level " << level;
        EXPECT_NE(shot.pixel(LevelX(level) + 1, tickY), kGaugeBlack) << "level " << level;
    }
}

TEST(WindLevel, TheOuterLabelsStayWhole) {
    CWindLevel gauge;
    const QImage shot = Snapshot(gauge, kWidth, kHeight);
    const QFontMetrics metrics(GaugeFont());
    const int width = metrics.horizontalAdvance(QStringLiteral("12"));
    const QRect last(kWidth - width, 0, width, metrics.height());
    EXPECT_TRUE(ShowsText(shot, kWidth - width, 0, QStringLiteral("12"), last));
    const int zero = 4 - metrics.horizontalAdvance(QStringLiteral("0")) / 2;
    EXPECT_TRUE(ShowsText(
        shot, zero, 0, QStringLiteral("0"),
        QRect(0, 0, 4 + metrics.horizontalAdvance(QStringLiteral("0")), metrics.height())));
}

struct LevelText {
    const char* text;
    int level;
};

class WindLevelText : public testing::TestWithParam<LevelText> {};

TEST_P(WindLevelText, ReadsTheLeadingNumberAndIgnoresLevelsOutOfRange) {
    CWindLevel gauge;
    gauge.SetLevel(7);
    gauge.SetLevel(std::string(GetParam().text));
    EXPECT_EQ(gauge.Level(), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Texts, WindLevelText,
                         testing::Values(LevelText{"---", 0}, LevelText{"", 0}, LevelText{"3", 3},
                                         LevelText{"12", 12}, LevelText{"13", 7},
                                         LevelText{"-1", 7}, LevelText{"4 bft", 4},
                                         LevelText{"calm", 0}, LevelText{"99999999999999999999", 7},
                                         LevelText{"-4294967295", 7}));

} // namespace

#include "station/values/TimeText.h"

#include "FixedClock.h"
#include "ScopedTimeZone.h"
#include "station/values/TimeFields.h"

#include <gtest/gtest.h>

// Found by gtest next to the type, to show fields in failure messages.
void PrintTo(const TimeFields& f, std::ostream* os) {
    *os << f.year << "-" << f.month << "-" << f.day << " " << f.hour << ":" << f.minute << ":"
        << f.second;
}

namespace {

struct ClampCase {
    TimeFields in;
    TimeFields out;
    bool unchanged;
};

class ClampTimeFieldsTest : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampTimeFieldsTest, ReplacesOnlyTheFieldsOutOfRange) {
    TimeFields f = GetParam().in;
    EXPECT_EQ(ClampTimeFields(f.year, f.month, f.day, f.hour, f.minute, f.second),
              GetParam().unchanged);
    EXPECT_EQ(f, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ClampTimeFieldsTest,
    testing::Values(ClampCase{{2024, 3, 5, 14, 30, 27}, {2024, 3, 5, 14, 30, 27}, true},
                    ClampCase{{1900, 12, 31, 23, 59, 59}, {1900, 12, 31, 23, 59, 59}, true},
                    ClampCase{{2024, 4, 31, 0, 0, 0}, {2024, 4, 31, 0, 0, 0}, true},
                    ClampCase{{1899, 3, 5, 14, 30, 27}, {2000, 3, 5, 14, 30, 27}, false},
                    ClampCase{{2024, 13, 5, 14, 30, 27}, {2024, 1, 5, 14, 30, 27}, false},
                    ClampCase{{2024, 0, 32, 14, 30, 27}, {2024, 1, 1, 14, 30, 27}, false},
                    ClampCase{{2024, 3, 0, 24, 60, 60}, {2024, 3, 1, 0, 0, 0}, false},
                    ClampCase{{-1, -1, -1, -1, -1, -1}, {2000, 1, 1, 0, 0, 0}, false}));

struct ReadCase {
    const char* text;
    int count;
    TimeFields fields;
};

class ReadTimeFieldsTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTimeFieldsTest, ReadsLikeTheScanfPattern) {
    TimeFields f;
    EXPECT_EQ(ReadTimeFields(GetParam().text, f), GetParam().count);
    EXPECT_EQ(f, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadTimeFieldsTest,
    testing::Values(ReadCase{"2024-03-05 14:30:27", 6, {2024, 3, 5, 14, 30, 27}},
                    ReadCase{"2024-03-05", 3, {2024, 3, 5, -1, -1, -1}},
                    ReadCase{"2024-03-05 14:30", 5, {2024, 3, 5, 14, 30, -1}},
                    ReadCase{" 2024-3-5\t\t7: 8:+9", 6, {2024, 3, 5, 7, 8, 9}},
                    ReadCase{"2024-03-05T14:30:27", 3, {2024, 3, 5, -1, -1, -1}},
                    ReadCase{"2024 -03-05", 1, {2024, -1, -1, -1, -1, -1}},
                    ReadCase{"2024--3-05", 3, {2024, -3, 5, -1, -1, -1}},
                    ReadCase{"4294967295-1", 2, {-1, 1, -1, -1, -1, -1}}, ReadCase{"", 0, {}},
                    ReadCase{"---", 0, {}}));

TEST(ReadTimeFields, StopsAfterTheFieldsWanted) {
    TimeFields f;
    EXPECT_EQ(ReadTimeFields("2024-03-05 14:30:27", f, 2), 2);
    EXPECT_EQ(f.month, 3);
    EXPECT_EQ(f.day, -1);
}

TEST(DayNumber, CountsCalendarDaysAndCarriesOverLikeTheCLibrary) {
    for (int year : {1900, 1969, 1970, 2000, 2023, 2024, 2100}) {
        for (int month = -1; month <= 14; ++month) {
            for (int day = 0; day <= 32; ++day) {
                std::tm tm{};
                tm.tm_year = year - 1900;
                tm.tm_mon = month - 1;
                tm.tm_mday = day;
                EXPECT_EQ(DayNumber(year, month, day) * 86400, timegm(&tm))
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

class TimeTextUtc : public testing::Test {
protected:
    ScopedTimeZone m_zone{"UTC0"};
};

TEST_F(TimeTextUtc, ReadsAndWritesRecordTimes) {
    EXPECT_EQ(TextToTime("2024-03-05 14:30:27"), 1709649027);
    EXPECT_EQ(FormatRecordTime(1709649027), "2024-03-05 14:30:27");
    EXPECT_EQ(TextToTime("2024-03-05 14:30:27 and more"), 1709649027);
}

TEST_F(TimeTextUtc, TextsThatDoNotParseGiveTheClampedTime) {
    const time_t y2k = 946684800; // 2000-01-01 00:00:00
    EXPECT_EQ(TextToTime(""), y2k);
    EXPECT_EQ(TextToTime("---"), y2k);
    EXPECT_EQ(TextToTime("1850-13-40 25:61:61"), y2k);
    EXPECT_EQ(TextToTime("2024-03-05"), TextToTime("2024-03-05 00:00:00"));
}

TEST_F(TimeTextUtc, TheThirtyFirstOfAShortMonthIsTheFirstOfTheNext) {
    EXPECT_EQ(TextToTime("2024-04-31 12:00:00"), TextToTime("2024-05-01 12:00:00"));
    EXPECT_EQ(TextToTime("2023-02-31 00:00:00"), TextToTime("2023-03-03 00:00:00"));
    EXPECT_DOUBLE_EQ(TextToOleDateTime("2024-04-31 12:00:00"), 45413.5);
}

TEST_F(TimeTextUtc, SpansAreSignedAndShortTextsMeanTheYear2000OrNow) {
    FixedClock clock(1709649027);
    EXPECT_EQ(TimeSpanBetween("2024-03-05 14:25:00", "2024-03-05 14:30:27"), 327);
    EXPECT_EQ(TimeSpanBetween("2024-03-05 14:30:27", "2024-03-05 14:25:00"), -327);
    EXPECT_EQ(TimeSpanBetween("", "2000-01-01 00:01:00"), 60);
    EXPECT_EQ(TimeSpanBetween("2024-03-05", "2000-01-01 00:01:00"), 60);
    EXPECT_EQ(TimeSpanBetween("2024-03-05 14:25:00", ""), 327);
    EXPECT_EQ(TimeSpanBetween("2024-03-05 14:25:00", "2024-03-05"), 327);
    EXPECT_EQ(TimeSpanBetween("", ""), 1709649027 - 946684800);
}

TEST_F(TimeTextUtc, OleDatesCountDaysFromTheEndOf1899) {
    EXPECT_DOUBLE_EQ(TextToOleDateTime("2024-03-05 14:30:27"), 45356 + 52227.0 / 86400);
    EXPECT_DOUBLE_EQ(TextToOleDateTime("1900-01-01 00:00:00"), 2.0);
    EXPECT_DOUBLE_EQ(TextToOleDateTime("1970-01-01 06:00:00"), 25569.25);
    EXPECT_DOUBLE_EQ(TextToOleDateTime(""), 36526.0);
    EXPECT_DOUBLE_EQ(TextToOleDateTime("2024-02-29"), 45351.0);
}

struct DisplayCase {
    const char* text;
    const char* shown;
};

class FormatDisplayTimeTest : public testing::TestWithParam<DisplayCase> {
protected:
    ScopedTimeZone m_zone{"UTC0"};
};

TEST_P(FormatDisplayTimeTest, CompletesDatesAndDropsTheSeconds) {
    EXPECT_EQ(FormatDisplayTime(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, FormatDisplayTimeTest,
                         testing::Values(DisplayCase{"2024-03-05 14:30:27", "05-03-2024 14:30"},
                                         DisplayCase{"2024-03-05 14:30", "05-03-2024 14:30"},
                                         DisplayCase{"2024-03-05 14", "05-03-2024 14:00"},
                                         DisplayCase{"2024-03-05", "05-03-2024 00:00"},
                                         DisplayCase{"2024-03-0", "2024-03-0"},
                                         DisplayCase{"---", "---"}, DisplayCase{"", ""},
                                         DisplayCase{"abcdefghij", "01-01-2000 00:00"}));

// Central Europe, 2024: clocks go from 02:00 to 03:00 on 31 March and from 03:00 back to 02:00
// on 27 October.
class TimeTextDaylightSaving : public testing::Test {
protected:
    ScopedTimeZone m_zone{kCentralEurope};
};

TEST_F(TimeTextDaylightSaving, SpansCountRealSecondsAcrossTheChanges) {
    EXPECT_EQ(TimeSpanBetween("2024-03-31 01:30:00", "2024-03-31 03:30:00"), 3600);
    EXPECT_EQ(TimeSpanBetween("2024-03-30 12:00:00", "2024-03-31 12:00:00"), 23 * 3600);
    EXPECT_EQ(TimeSpanBetween("2024-10-27 01:30:00", "2024-10-27 03:30:00"), 3 * 3600);
    EXPECT_EQ(TimeSpanBetween("2024-10-26 12:00:00", "2024-10-27 12:00:00"), 25 * 3600);
    EXPECT_EQ(TextToTime("2024-03-31 03:00:00"), 1711846800);
    EXPECT_EQ(TextToTime("2024-07-01 12:00:00"), 1719828000);
}

TEST_F(TimeTextDaylightSaving, OleDatesFollowTheWallClock) {
    constexpr double kSecond = 1.0 / 86400;
    EXPECT_NEAR(TextToOleDateTime("2024-03-31 03:30:00") - TextToOleDateTime("2024-03-31 01:30:00"),
                2.0 / 24, kSecond / 100);
    EXPECT_NEAR(TextToOleDateTime("2024-10-27 12:00:00") - TextToOleDateTime("2024-10-26 12:00:00"),
                1.0, kSecond / 100);
    EXPECT_DOUBLE_EQ(TextToOleDateTime("2024-03-31 02:30:00"), 45382 + 2.5 / 24);
}

TEST_F(TimeTextDaylightSaving, RecordTimesAroundTheChangesAreWrittenInLocalTime) {
    EXPECT_EQ(FormatRecordTime(1711846799), "2024-03-31 01:59:59");
    EXPECT_EQ(FormatRecordTime(1711846800), "2024-03-31 03:00:00");
    // Both instants of the repeated half hour read 02:30.
    EXPECT_EQ(FormatRecordTime(1729989000), "2024-10-27 02:30:00");
    EXPECT_EQ(FormatRecordTime(1729992600), "2024-10-27 02:30:00");
}

TEST_F(TimeTextDaylightSaving, TheRepeatedHourReadsAsOneOfItsTwoInstants) {
    const time_t t = TextToTime("2024-10-27 02:30:00");
    EXPECT_TRUE(t == 1729989000 || t == 1729992600) << t;
    EXPECT_EQ(FormatRecordTime(t), "2024-10-27 02:30:00");
    EXPECT_EQ(FormatDisplayTime("2024-10-27 02:30:00"), "27-10-2024 02:30");
}

// Of the two, the one nearer the time a chain of records expects; any other text has one.
TEST_F(TimeTextDaylightSaving, TheRepeatedHourReadsAsTheInstantNearerTheOneExpected) {
    constexpr time_t kSummer = 1729989000; // 02:30 summer time
    constexpr time_t kWinter = 1729992600; // 02:30 winter time
    EXPECT_EQ(TextToTimeNear("2024-10-27 02:30:00", kSummer + 1000), kSummer);
    EXPECT_EQ(TextToTimeNear("2024-10-27 02:30:00", kWinter - 1000), kWinter);
    EXPECT_EQ(TextToTimeNear("2024-10-27 02:30:00", kWinter + 86400), kWinter);
    EXPECT_EQ(TextToTimeNear("2024-10-27 03:30:00", kSummer), TextToTime("2024-10-27 03:30:00"));
    EXPECT_EQ(TextToTimeNear("2024-03-31 02:30:00", 0), TextToTime("2024-03-31 02:30:00"));

    EXPECT_FALSE(IsSecondTimeRound("2024-10-27 02:30:00", kSummer + 1000));
    EXPECT_TRUE(IsSecondTimeRound("2024-10-27 02:30:00", kWinter - 1000));
    EXPECT_FALSE(IsSecondTimeRound("2024-10-27 03:30:00", kWinter + 3600)) << "comes once";

    EXPECT_TRUE(IsRepeatedHour({2024, 10, 27, 2, 0, 0}));
    EXPECT_FALSE(IsRepeatedHour({2024, 10, 27, 1, 59, 59}));
    EXPECT_FALSE(IsRepeatedHour({2024, 10, 27, 3, 0, 0}));
    EXPECT_FALSE(IsRepeatedHour({2024, 3, 31, 2, 0, 0})) << "the hour that is skipped";
    EXPECT_FALSE(IsRepeatedHour({2024, 10, 27, 99, 0, 0}));
}

TEST_F(TimeTextDaylightSaving, TheMissingHourMovesOnToSummerTime) {
    EXPECT_EQ(TextToTime("2024-03-31 02:30:00"), TextToTime("2024-03-31 03:30:00"));
    EXPECT_EQ(FormatDisplayTime("2024-03-31 02:30"), "31-03-2024 03:30");
}

} // namespace

#include "station/values/CalendarPeriod.h"

#include "ScopedTimeZone.h"

#include <ctime>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace {

struct PeriodCase {
    const char* a;
    const char* b;
    const char* period;
    bool same;
};

void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << c.period << " of '" << c.a << "' and '" << c.b << "'";
}

class SamePeriodTest : public testing::TestWithParam<std::tuple<std::string, PeriodCase>> {};

TEST_P(SamePeriodTest, AnswersForTheCalendarPeriod) {
    const ScopedTimeZone zone(std::get<0>(GetParam()).c_str());
    const PeriodCase& c = std::get<1>(GetParam());
    EXPECT_EQ(SamePeriod(c.a, c.b, c.period), c.same);
}

const PeriodCase kCases[] = {
    // One time is in the same period as itself.
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "hour", true},
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "day", true},
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "week", true},
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "month", true},
    // Hour edges; 13 characters are enough.
    {"2024-03-05 14:00:00", "2024-03-05 14:59:59", "hour", true},
    {"2024-03-05 14:59:59", "2024-03-05 15:00:00", "hour", false},
    {"2024-03-04 14:30:00", "2024-03-05 14:30:00", "hour", false},
    {"2024-03-05 14", "2024-03-05 14:30:00", "hour", true},
    {"2024-03-05 1", "2024-03-05 1", "hour", false},
    // Day edges.
    {"2024-03-05 00:00:00", "2024-03-05 23:59:59", "day", true},
    {"2024-03-05 23:59:59", "2024-03-06 00:00:00", "day", false},
    {"2024-03-05", "2024-03-05 23:59:59", "day", true},
    {"2024-03-5", "2024-03-5", "day", false},
    // Month edges; 7 characters are enough.
    {"2024-02-01 00:00:00", "2024-02-29 23:59:59", "month", true},
    {"2024-02-29 23:59:59", "2024-03-01 00:00:00", "month", false},
    {"2023-03-05 12:00:00", "2024-03-05 12:00:00", "month", false},
    {"2024-03", "2024-03-31 23:59:59", "month", true},
    {"2024-3", "2024-3", "month", false},
    // The year's end closes every period but a week that runs on.
    {"2023-12-31 23:59:59", "2024-01-01 00:00:00", "hour", false},
    {"2023-12-31 23:59:59", "2024-01-01 00:00:00", "day", false},
    {"2023-12-31 23:59:59", "2024-01-01 00:00:00", "month", false},
    {"2023-12-31 00:00:00", "2024-01-06 23:59:59", "week", true},
    {"2023-12-30 23:59:59", "2023-12-31 00:00:00", "week", false},
    // Weeks run from Sunday to Saturday.
    {"2024-03-09 23:59:59", "2024-03-10 00:00:00", "week", false},
    {"2024-03-03 00:00:00", "2024-03-09 23:59:59", "week", true},
    {"2024-03-03 00:00:00", "2024-03-10 00:00:00", "week", false},
    {"2024-03-02 12:00:00", "2024-03-09 12:00:00", "week", false},
    {"2024-03-04 12:00:00", "2024-03-06 12:00:00", "week", true},
    // Either order: a later first time is no reason to see another week.
    {"2024-03-06 12:00:00", "2024-03-04 12:00:00", "week", true},
    {"2024-03-11 12:00:00", "2024-03-06 12:00:00", "week", false},
    // Weeks across the daylight-saving changes keep seven calendar days.
    {"2024-03-30 12:00:00", "2024-04-06 12:00:00", "week", false},
    {"2024-03-31 00:00:00", "2024-04-06 23:59:59", "week", true},
    {"2024-10-26 23:59:59", "2024-10-27 00:00:00", "week", false},
    {"2024-10-27 00:00:00", "2024-11-02 23:59:59", "week", true},
    {"2024-10-26 12:00:00", "2024-11-02 12:00:00", "week", false},
    // Fields are compared as read: 30 February is no March day, yet it falls in March's week.
    {"2024-02-30 12:00:00", "2024-03-01 12:00:00", "day", false},
    {"2024-02-30 12:00:00", "2024-03-02 12:00:00", "week", true},
    // Unknown periods and unreadable times.
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "Hour", false},
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "year", false},
    {"2024-03-05 14:30:27", "2024-03-05 14:30:27", "", false},
    {"------------------", "------------------", "month", false},
    {"2024-03-05 14:30:27", "", "month", false},
};

INSTANTIATE_TEST_SUITE_P(Periods, SamePeriodTest,
                         testing::Combine(testing::Values(std::string("UTC0"),
                                                          std::string(kCentralEurope)),
                                          testing::ValuesIn(kCases)));

// The week rule as it has always been put: with a not later than b, the same week when b lies
// less than seven days after a and its weekday is not before a's. Without daylight saving the
// seconds between midnights are whole days, so the calendar-day count must agree everywhere.
TEST(SamePeriodWeek, AgreesWithTheWeekdayRuleOnEveryPairOfDaysAcrossAYearEnd) {
    const ScopedTimeZone zone("UTC0");
    const auto dayText = [](int offset) {
        std::tm tm{};
        tm.tm_year = 2023 - 1900;
        tm.tm_mon = 11;
        tm.tm_mday = 10 + offset;
        const time_t t = timegm(&tm);
        gmtime_r(&t, &tm);
        char text[20];
        std::strftime(text, sizeof text, "%Y-%m-%d", &tm);
        return std::pair<std::string, std::tm>(text, tm);
    };
    for (int a = 0; a < 40; ++a) {
        for (int b = a; b < a + 16; ++b) {
            const auto [textA, tmA] = dayText(a);
            const auto [textB, tmB] = dayText(b);
            const bool rule = b - a < 7 && tmB.tm_wday >= tmA.tm_wday;
            EXPECT_EQ(SamePeriod(textA, textB, "week"), rule) << textA << " " << textB;
        }
    }
}

} // namespace

#include "station/records/RainSum.h"

#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FixedClock.h"
#include "tests/core/PlainRecordReading.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/SleepRecorder.h"
#include "texts/Env.h"

#include <random>

#include <gtest/gtest.h>

namespace {

CWeatherRecord Rain(const std::string& time, const std::string& rainMm,
                    const std::string& increment = "0.0", const std::string& total = "0.0") {
    return StoredRecord("1", time, rainMm, increment, total);
}

struct Sums {
    std::string rainMm, increment, hour, day, week, month, total;

    friend bool operator==(const Sums&, const Sums&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Sums& s) {
        return os << s.rainMm << " inc " << s.increment << " h " << s.hour << " d " << s.day
                  << " w " << s.week << " m " << s.month << " t " << s.total;
    }
};

Sums SumsOf(const CWeatherRecord& r) {
    return {r.rainMm, r.increment, r.hourRain, r.dayRain, r.weekRain, r.monthRain, r.totalRain};
}

// ---- One stored record: increment, total and the counter wrap ----------------------------

struct CounterCase {
    const char* name;
    const char* storedRainMm;
    const char* storedTotal;
    const char* rainMm;
    // Expected:
    const char* increment;
    const char* total;
    const char* rainMmAfter;
};

void PrintTo(const CounterCase& c, std::ostream* os) {
    *os << c.name;
}

class RainCounterTest : public testing::TestWithParam<CounterCase> {};

TEST_P(RainCounterTest, TheIncrementIsTheRiseSinceTheNewestStoredRecord) {
    const CounterCase& c = GetParam();
    const CWeatherRecordArray stored = {
        Rain("2024-03-05 14:25:00", c.storedRainMm, "0.3", c.storedTotal)};
    CWeatherRecord record = Rain("2024-03-05 14:30:00", c.rainMm);

    EXPECT_TRUE(AccumulateRain(record, stored));

    EXPECT_EQ(record.increment, c.increment);
    EXPECT_EQ(record.totalRain, c.total);
    EXPECT_EQ(record.rainMm, c.rainMmAfter);
    EXPECT_EQ(record.hourRain, c.increment);
}

INSTANTIATE_TEST_SUITE_P(
    Counter, RainCounterTest,
    testing::Values(
        CounterCase{"Rise", "100.2", "350.1", "100.8", "0.6", "350.7", "100.8"},
        CounterCase{"Wrap", "19650.0", "1000.0", "5.4", "16.2", "1016.2", "19666.2"},
        CounterCase{"WrapNearTheGlitchLimit", "19600.0", "0.0", "90.0", "150.8", "150.8",
                    "19750.8"},
        CounterCase{"FallThatNoWrapExplains", "500.0", "350.1", "20.0", "0.0", "350.1", "20.0"},
        CounterCase{"RiseAboveTheGlitchLimit", "10.0", "350.1", "200.0", "0.0", "350.1", "200.0"},
        CounterCase{"RiseJustBelowTheGlitchLimit", "100.0", "0.0", "253.5", "153.5", "153.5",
                    "253.5"},
        CounterCase{"RiseJustAboveTheGlitchLimit", "100.0", "0.0", "253.8", "0.0", "0.0", "253.8"},
        CounterCase{"StoredTotalWithoutValue", "100.2", "---", "100.8", "0.6", "0.6", "100.8"}),
    [](const testing::TestParamInfo<CounterCase>& info) { return std::string(info.param.name); });

TEST(RainSum, ARecordWithoutRainValueGetsNoSums) {
    const CWeatherRecordArray stored = {Rain("2024-03-05 14:25:00", "100.2", "0.3", "350.1")};
    for (const char* none : {"", "---", "-32767", "-32767.0"}) {
        CWeatherRecord record = Rain("2024-03-05 14:30:00", none);
        EXPECT_FALSE(AccumulateRain(record, stored)) << none;
        EXPECT_EQ(SumsOf(record), (Sums{"---", "---", "---", "---", "---", "---", "---"}));
    }
}

TEST(RainSum, WithoutStoredRainEverySumIsZero) {
    for (const CWeatherRecordArray& stored :
         {CWeatherRecordArray{},
          CWeatherRecordArray{Rain("2024-03-05 14:20:00", "---", "5.0", "350.1"),
                              Rain("2024-03-05 14:25:00", "", "5.0", "350.1")}}) {
        CWeatherRecord record = Rain("2024-03-05 14:30:00", "100.8");
        EXPECT_TRUE(AccumulateRain(record, stored));
        EXPECT_EQ(SumsOf(record), (Sums{"100.8", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}));
    }
}

// ---- Period sums ---------------------------------------------------------------------------

TEST(RainSum, PeriodSumsCountTheStoredIncrementsDownToTheFirstRecordOutside) {
    const CWeatherRecordArray stored = {
        Rain("2024-03-05 13:50:00", "10.0", "1.2", "40.0"),
        Rain("2024-03-05 14:20:00", "10.6", "0.6", "40.6"),
        Rain("2024-03-05 14:30:00", "10.9", "0.3", "40.9"),
    };
    CWeatherRecord record = Rain("2024-03-05 14:40:00", "11.2");

    AccumulateRain(record, stored);

    // The 13:50 record is the oldest: its own increment counts toward no sum.
    EXPECT_EQ(SumsOf(record), (Sums{"11.2", "0.3", "1.2", "1.2", "1.2", "1.2", "41.2"}));
}

TEST(RainSum, WeeksBeginOnSunday) {
    const CWeatherRecordArray stored = {
        Rain("2024-03-01 12:00:00", "0.0", "9.0"), // Friday
        Rain("2024-03-02 12:00:00", "5.0", "5.0"), // Saturday
        Rain("2024-03-03 12:00:00", "6.0", "1.0"), // Sunday
        Rain("2024-03-04 12:00:00", "8.0", "2.0"), // Monday
    };
    CWeatherRecord record = Rain("2024-03-05 12:00:00", "8.5"); // Tuesday

    AccumulateRain(record, stored);

    EXPECT_EQ(record.dayRain, "0.5");
    EXPECT_EQ(record.weekRain, "3.5");  // 0.5 + Monday's 2.0 + Sunday's 1.0
    EXPECT_EQ(record.monthRain, "8.5"); // down to the oldest, whose own increment stays out
}

TEST(RainSum, TheWalkEndsAtTheFirstRecordOfAnotherMonth) {
    const CWeatherRecordArray stored = {
        Rain("2024-03-28 12:00:00", "0.0", "7.0"),
        Rain("2024-03-30 12:00:00", "4.0", "4.0"),
        Rain("2024-03-31 12:00:00", "6.0", "2.0"), // Sunday
        Rain("2024-04-01 12:00:00", "7.0", "1.0"),
    };
    CWeatherRecord record = Rain("2024-04-02 12:00:00", "7.5");

    AccumulateRain(record, stored);

    // The week began in March, but the walk stops at March 31: its increment stays out.
    EXPECT_EQ(SumsOf(record), (Sums{"7.5", "0.5", "0.5", "0.5", "1.5", "1.5", "0.5"}));
}

TEST(RainSum, StoredRecordsWithoutRainValueArePassedOver) {
    const CWeatherRecordArray stored = {
        Rain("2024-03-05 13:00:00", "10.0", "1.0", "20.0"),
        Rain("2024-03-05 14:00:00", "12.0", "2.0", "22.0"),
        Rain("2024-03-04 10:00:00", "---", "50.0", "99.0"), // another day, but no rain value
    };
    CWeatherRecord record = Rain("2024-03-05 14:30:00", "12.4");

    AccumulateRain(record, stored);

    EXPECT_EQ(SumsOf(record), (Sums{"12.4", "0.4", "2.4", "2.4", "2.4", "2.4", "22.4"}));
}

// When daylight saving ends the clock shows 02:00 to 02:59 twice: the texts alone cannot tell
// the two hours apart, the chain of records can. In a chain whose instants rise, a time of that
// hour that is not later than the one before it is the second time round, an hour of its own;
// so is one later by less than the records' interval says, by an hour.
struct ClockHourCase {
    const char* name;
    const char* interval; // of every record
    CWeatherRecordArray stored;
    const char* time;   // of the record summed
    const char* rainMm; // of the record summed
    Sums sums;          // expected
};

void PrintTo(const ClockHourCase& c, std::ostream* os) {
    *os << c.name;
}

class RainClockHourTest : public testing::TestWithParam<ClockHourCase> {};

TEST_P(RainClockHourTest, EachSumCountsTheRecordsOfItsOwnPeriod) {
    const ScopedTimeZone zone(kCentralEurope);
    const ClockHourCase& c = GetParam();
    CWeatherRecordArray stored = c.stored;
    for (CWeatherRecord& s : stored)
        s.sampleCircle = c.interval;
    CWeatherRecord record = Rain(c.time, c.rainMm);
    record.sampleCircle = c.interval;

    AccumulateRain(record, stored);

    EXPECT_EQ(SumsOf(record), c.sums);
}

INSTANTIATE_TEST_SUITE_P(
    DaylightSaving, RainClockHourTest,
    testing::Values(
        ClockHourCase{"AutumnEveryTenMinutes",
                      "10",
                      {Rain("2026-10-25 01:50:00", "10.0", "0.0", "40.0"),
                       Rain("2026-10-25 02:40:00", "11.0", "1.0", "41.0"), // summer time
                       Rain("2026-10-25 02:50:00", "12.0", "1.0", "42.0"),
                       Rain("2026-10-25 02:00:00", "12.3", "0.3", "42.3"), // winter time
                       Rain("2026-10-25 02:10:00", "12.6", "0.3", "42.6")},
                      "2026-10-25 02:20:00",
                      "12.9",
                      {"12.9", "0.3", "0.9", "2.9", "2.9", "2.9", "42.9"}},
        // An hour after the summer time's 02:30 the clock shows 02:30 again.
        ClockHourCase{"AutumnHourly",
                      "60",
                      {Rain("2026-10-25 00:30:00", "10.0", "0.0", "40.0"),
                       Rain("2026-10-25 01:30:00", "10.3", "0.3", "40.3"),
                       Rain("2026-10-25 02:30:00", "10.6", "0.3", "40.6")},
                      "2026-10-25 02:30:00",
                      "10.9",
                      {"10.9", "0.3", "0.3", "0.9", "0.9", "0.9", "40.9"}},
        // 90 minutes after the summer time's 02:10 the clock shows 02:40.
        ClockHourCase{"AutumnEveryNinetyMinutes",
                      "90",
                      {Rain("2026-10-25 00:40:00", "10.0", "0.0", "40.0"),
                       Rain("2026-10-25 02:10:00", "10.6", "0.6", "40.6")},
                      "2026-10-25 02:40:00",
                      "11.8",
                      {"11.8", "1.2", "1.2", "1.8", "1.8", "1.8", "41.8"}},
        // Half an hour after the summer time's 02:10 it is 02:40 summer time: the same hour.
        ClockHourCase{"AutumnHalfHourlyWithinTheFirstTimeRound",
                      "30",
                      {Rain("2026-10-25 01:40:00", "10.0", "0.0", "40.0"),
                       Rain("2026-10-25 02:10:00", "10.6", "0.6", "40.6")},
                      "2026-10-25 02:40:00",
                      "11.8",
                      {"11.8", "1.2", "1.8", "1.8", "1.8", "1.8", "41.8"}},
        ClockHourCase{"AutumnHourlyAfterTheRepeatedHour",
                      "60",
                      {Rain("2026-10-25 01:30:00", "10.0", "0.0", "40.0"),
                       Rain("2026-10-25 02:30:00", "10.6", "0.6", "40.6"),
                       Rain("2026-10-25 02:30:00", "11.8", "1.2", "41.8"),
                       Rain("2026-10-25 03:30:00", "12.1", "0.3", "42.1")},
                      "2026-10-25 03:50:00",
                      "12.5",
                      {"12.5", "0.4", "0.7", "2.5", "2.5", "2.5", "42.5"}},
        ClockHourCase{"AutumnTwoHourly",
                      "120",
                      {Rain("2026-10-25 00:30:00", "10.0", "0.0", "40.0"),
                       Rain("2026-10-25 02:30:00", "10.6", "0.6", "40.6"),
                       Rain("2026-10-25 03:30:00", "11.8", "1.2", "41.8")},
                      "2026-10-25 03:40:00",
                      "12.1",
                      {"12.1", "0.3", "1.5", "2.1", "2.1", "2.1", "42.1"}},
        // The clock skips 02:00 to 02:59: 01:30 and 03:30 are an hour apart.
        ClockHourCase{"SpringHourly",
                      "60",
                      {Rain("2026-03-29 00:30:00", "10.0", "0.0", "40.0"),
                       Rain("2026-03-29 01:30:00", "10.3", "0.3", "40.3"),
                       Rain("2026-03-29 03:30:00", "10.9", "0.6", "40.9")},
                      "2026-03-29 03:50:00",
                      "11.2",
                      {"11.2", "0.3", "0.9", "1.2", "1.2", "1.2", "41.2"}},
        // A clock set back within an hour that comes once is no second hour: the records are
        // walked as they stand.
        ClockHourCase{"ClockSetBackWithinAnOrdinaryHour",
                      "10",
                      {Rain("2026-11-10 09:50:00", "10.0", "0.0", "40.0"),
                       Rain("2026-11-10 10:40:00", "11.0", "1.0", "41.0"),
                       Rain("2026-11-10 10:20:00", "11.3", "0.3", "41.3")},
                      "2026-11-10 10:25:00",
                      "11.6",
                      {"11.6", "0.3", "1.6", "1.6", "1.6", "1.6", "41.6"}},
        ClockHourCase{"ClockSetBackAnHourAtAnOrdinaryHour",
                      "60",
                      {Rain("2026-11-10 09:40:00", "10.0", "0.0", "40.0"),
                       Rain("2026-11-10 10:40:00", "11.0", "1.0", "41.0"),
                       Rain("2026-11-10 10:40:00", "11.3", "0.3", "41.3")},
                      "2026-11-10 10:50:00",
                      "11.6",
                      {"11.6", "0.3", "1.6", "1.6", "1.6", "1.6", "41.6"}}),
    [](const testing::TestParamInfo<ClockHourCase>& info) { return std::string(info.param.name); });

// ---- Against the data file ------------------------------------------------------------------

class RainSumFileTest : public DataFileTest {};

// Records an hour or so apart over three months and a half: the counter wraps, jumps and falls,
// some records have no rain value, the clock is set back once, and some lines are torn short.
struct History {
    std::vector<CWeatherRecord> records; // as the monitor thread would have stored them
    std::vector<std::string> lines;      // the data file, torn lines included
};

std::string TimeText(int year, int month, int day, int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:00", year, month, day, minutes / 60,
                  minutes % 60);
    return text;
}

History MakeHistory() {
    static const int kMonthDays[] = {31, 29, 31, 30};
    std::mt19937 random(20240305);
    History history;
    CWeatherRecordArray stored;
    float counter = 19300.0f;
    int month = 1, day = 20, minutes = 0;
    while (month <= 4 && !(month == 4 && day > 10)) {
        const int roll = static_cast<int>(random() % 100);
        counter += roll < 60 ? 0.0f : roll < 95 ? 0.3f * (random() % 8) : 0.3f * (random() % 900);
        if (counter >= 19660.8f)
            counter -= 19660.8f;
        if (roll == 99)
            counter = 0.0f; // the console was reset
        std::string time = TimeText(2024, month, day, minutes);
        if (roll == 98)
            time = TimeText(2024, month == 1 ? 1 : month - 1, 3, minutes); // clock set back
        char rainMm[32];
        std::snprintf(rainMm, sizeof rainMm, "%.1f", counter);
        CWeatherRecord record = StoredRecord("0", time, roll % 17 == 0 ? "---" : rainMm);
        AccumulateRain(record, stored);
        record.recordNo = std::to_string(stored.size() + 1);
        stored.push_back(record);
        std::string line = LineOf(record);
        if (roll % 13 == 0) { // torn after some field
            std::size_t cut = 0;
            for (int pieces = 0, keep = 2 + roll % 29; pieces < keep; ++pieces)
                cut = line.find(',', cut) + 1;
            line.resize(cut - 1);
        }
        history.lines.push_back(line);
        minutes += 40 + static_cast<int>(random() % 60);
        if (minutes >= 24 * 60) {
            minutes -= 24 * 60;
            if (++day > kMonthDays[month - 1]) {
                day = 1;
                ++month;
            }
        }
    }
    history.records = stored;
    return history;
}

CWeatherRecord Next(const History& history, std::size_t k, const std::string& time) {
    CWeatherRecord record = history.records[std::min(k, history.records.size() - 1)];
    if (!time.empty())
        record.recordTime = time;
    record.increment = record.hourRain = record.totalRain = "---";
    return record;
}

TEST_F(RainSumFileTest, ARecordsSumsFromTheEndOfTheFileEqualThoseOverAllStoredRecords) {
    const History history = MakeHistory();
    ASSERT_GT(history.lines.size(), 1500u);
    std::vector<std::size_t> ends = {0, 1, 2, 3, history.lines.size()};
    for (std::size_t k = 4; k < history.lines.size(); k += 61)
        ends.push_back(k);
    // Around each first record of a month.
    for (std::size_t k = 1; k < history.records.size(); ++k)
        if (history.records[k].recordTime.substr(0, 7) !=
            history.records[k - 1].recordTime.substr(0, 7))
            for (std::size_t near : {k - 1, k, k + 1})
                ends.push_back(near);

    int compared = 0;
    for (const std::size_t k : ends) {
        WriteLines(std::vector<std::string>(history.lines.begin(), history.lines.begin() + k));
        CWeatherRecordArray all;
        LoadAllRecords(all);
        const std::string last = all.empty() ? "2024-02-15 12:00:00" : all.back().recordTime;
        for (const std::string& time :
             {std::string(), last, last.substr(0, 8) + "28 23:59:59", std::string("2024-01-31"),
              std::string("2024-04-01 00:00:00"), std::string("garbage")}) {
            CWeatherRecord expected = Next(history, k, time);
            CWeatherRecord actual = expected;
            PlainRain(expected, all);
            AccumulateRainForRecord(actual);
            EXPECT_EQ(AllFields(actual), AllFields(expected)) << "lines " << k << " at " << time;
            ++compared;
        }
    }
    EXPECT_GT(compared, 150);
}

// A line that holds no record counts in no sum, whatever rain it shows, and a record cut short
// before its rain is passed over: the sums run from the last whole record.
TEST_F(RainSumFileTest, DamagedLinesCountInNoSum) {
    CWeatherRecord bad = StoredRecord("3", "2024-03-05 14:15:00", "150.0", "49.8", "399.9");
    bad.recordTime = "2024-03-05 14:15:99";
    WriteLines({LineOf(StoredRecord("1", "2024-03-05 14:00:00", "100.2", "0.3", "350.1")),
                kGarbageLine, "   2, 2024-03-05 14:10:05, 2024-03-05 14:10:00", LineOf(bad),
                "rain, 2024-03-05 14:18:00, 2024-03-05 14:18:00, 5, 40, 20.0, 80, 1.0, 0.0, 1.0,"
                " 1000.0, 1013.0, 0.0, 0, 0.0, 0, 0, N, 500, 150.0, 49.8"});
    CWeatherRecord expected = StoredRecord("0", "2024-03-05 14:20:00", "100.8");
    expected.increment = "0.6";
    expected.hourRain = expected.dayRain = expected.weekRain = expected.monthRain = "0.6";
    expected.totalRain = "350.7";

    CWeatherRecord live = StoredRecord("0", "2024-03-05 14:20:00", "100.8", "---", "---");
    AccumulateRainForRecord(live);
    EXPECT_EQ(AllFields(live), AllFields(expected));
    CWeatherRecordArray download = {
        StoredRecord("0", "2024-03-05 14:20:00", "100.8", "---", "---")};
    AccumulateRainForList(download, nullptr);
    EXPECT_EQ(AllFields(download[0]), AllFields(expected));
}

TEST_F(RainSumFileTest, ADownloadsSumsFromTheEndOfTheFileEqualThoseOverAllStoredRecords) {
    const History history = MakeHistory();
    for (std::size_t k = 0; k + 40 < history.lines.size(); k += 97) {
        WriteLines(std::vector<std::string>(history.lines.begin(), history.lines.begin() + k));
        CWeatherRecordArray download; // newest first, some from an earlier month
        for (std::size_t i = k + 40; i-- > k;)
            download.push_back(Next(history, i, i % 9 == 0 ? "2024-01-25 08:00:00" : ""));

        CWeatherRecordArray expected = download;
        CWeatherRecordArray walked;
        LoadAllRecords(walked);
        for (std::size_t i = expected.size(); i-- > 0;) {
            PlainRain(expected[i], walked);
            walked.push_back(expected[i]);
        }
        AccumulateRainForList(download, nullptr);

        ASSERT_EQ(download.size(), expected.size());
        for (std::size_t i = 0; i < download.size(); ++i)
            EXPECT_EQ(AllFields(download[i]), AllFields(expected[i])) << "lines " << k << " " << i;
    }
}

// The live record is dated by the clock moments before its sums: in the hour that the clock
// shows twice, the clock tells which time round it is, whatever the console's interval.
TEST_F(RainSumFileTest, TheLiveRecordsHourIsTheClocksTimeRound) {
    const ScopedTimeZone zone(kCentralEurope);
    const time_t summer0200 = TextToTime("2026-10-25 01:00:00") + 3600; // 00:00 UTC
    const time_t winter0200 = summer0200 + 3600;
    struct Case {
        const char* name;
        const char* interval;
        std::vector<CWeatherRecord> stored;
        time_t now;
        const char* hourRain;
    };
    const Case cases[] = {
        {"every two hours, the second time round at the stored record's minute",
         "120",
         {Rain("2026-10-25 00:30:00", "10.0", "0.0", "40.0"),
          Rain("2026-10-25 02:30:00", "10.6", "0.6", "40.6")},
         winter0200 + 30 * 60,
         "0.4"},
        {"every two hours, the first time round",
         "120",
         {Rain("2026-10-25 00:30:00", "10.0", "0.0", "40.0"),
          Rain("2026-10-25 02:30:00", "10.6", "0.6", "40.6")},
         summer0200 + 50 * 60,
         "1.0"},
        {"every 90 minutes, the second time round later on the clock",
         "90",
         {Rain("2026-10-25 00:40:00", "10.0", "0.0", "40.0"),
          Rain("2026-10-25 02:10:00", "10.6", "0.6", "40.6")},
         winter0200 + 40 * 60,
         "0.4"},
        {"hourly, after the second time round's record",
         "60",
         {Rain("2026-10-25 01:30:00", "10.0", "0.0", "40.0"),
          Rain("2026-10-25 02:30:00", "10.3", "0.3", "40.3"),
          Rain("2026-10-25 02:30:00", "10.6", "0.3", "40.6")},
         winter0200 + 45 * 60,
         "0.7"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (CWeatherRecord stored : c.stored) {
            stored.sampleCircle = c.interval;
            lines.push_back(LineOf(stored));
        }
        WriteLines(lines);
        const FixedClock clock(c.now);
        CWeatherRecord live = Rain(FormatRecordTime(c.now), "11.0");
        live.sampleCircle = c.interval;

        AccumulateRainForRecord(live);

        EXPECT_EQ(live.hourRain, c.hourRain) << c.name;
    }
}

class StatusTexts final : public IStatusTextTarget {
public:
    bool IsWindow() const override { return true; }
    int OnStatusText(const char* text) override {
        texts.emplace_back(text);
        return 0;
    }
    std::vector<std::string> texts;
};

TEST_F(RainSumFileTest, ADownloadReportsItsProgress) {
    const int language = g_lang;
    g_lang = 0;
    WriteLines({LineOf(Rain("2024-03-05 14:00:00", "100.0", "0.0", "350.0"))});
    CWeatherRecordArray download = {Rain("2024-03-05 14:15:00", "100.9"),
                                    Rain("2024-03-05 14:10:00", "100.6"),
                                    Rain("2024-03-05 14:05:00", "100.3")};
    StatusTexts window;

    EXPECT_TRUE(AccumulateRainForList(download, &window));
    g_lang = language;

    EXPECT_EQ(window.texts, (std::vector<std::string>{"Compute history rain data 3 : 33% ...",
                                                      "Compute history rain data 3 : 66% ...",
                                                      "Compute history rain data 3 : 100% ..."}));
    EXPECT_EQ(SumsOf(download[0]), (Sums{"100.9", "0.3", "0.9", "0.9", "0.9", "0.9", "350.9"}));
}

TEST_F(RainSumFileTest, ALongDownloadReportsEachPercentageOnce) {
    const int language = g_lang;
    g_lang = 0;
    WriteLines({LineOf(Rain("2024-03-05 14:00:00", "100.0", "0.0", "350.0"))});
    CWeatherRecordArray download(250, Rain("2024-03-05 14:05:00", "100.3"));
    StatusTexts window;

    EXPECT_TRUE(AccumulateRainForList(download, &window));
    g_lang = language;

    ASSERT_EQ(window.texts.size(), 101u);
    EXPECT_EQ(window.texts.front(), "Compute history rain data 250 : 0% ...");
    EXPECT_EQ(window.texts[1], "Compute history rain data 250 : 1% ...");
    EXPECT_EQ(window.texts.back(), "Compute history rain data 250 : 100% ...");
}

// Sums over no stored records would start the total at 0.0; the sums are left out instead.
TEST_F(RainSumFileTest, ABusyFileLeavesTheSumsOutAfterLongerWaits) {
    WriteLines({LineOf(Rain("2024-03-05 14:00:00", "100.0", "0.0", "350.0"))});
    const SleepRecorder sleeps;
    g_fdb.m_busy = true;
    CWeatherRecord live = Rain("2024-03-05 14:05:00", "100.3", "9.9", "9.9");
    CWeatherRecordArray download = {Rain("2024-03-05 14:05:00", "100.3", "9.9", "9.9")};

    EXPECT_TRUE(AccumulateRainForRecord(live));
    EXPECT_TRUE(AccumulateRainForList(download, nullptr));

    EXPECT_EQ(sleeps.Recorded(), std::vector<int>(60, 100));
    EXPECT_EQ(SumsOf(live), (Sums{"100.3", "---", "---", "---", "---", "---", "---"}));
    EXPECT_EQ(SumsOf(download[0]), SumsOf(live));
    EXPECT_TRUE(g_fdb.m_busy);
}

} // namespace

#include "station/link/HistoryDownload.h"

#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"
#include "station/values/TimeFields.h"
#include "station/values/TimeText.h"
#include "tests/core/ConsoleRing.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FixedClock.h"
#include "tests/core/RecordingStatusTarget.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/SleepRecorder.h"

#include <optional>

#include <gtest/gtest.h>

namespace {

using ring::Record;
using Strings = std::vector<std::string>;
using Text = std::string CWeatherRecord::*;

// The history download over the console emulator, into an empty data file, in UTC unless a
// test sets another zone.
class HistoryDownloadTest : public DataFileTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsLoaded());
        ASSERT_TRUE(m_comm.Connect());
        m_emulator.Reset();
    }

    void SetZone(const char* zone) { m_zone.emplace(zone); }
    void SetNow(const char* time) { m_clock.emplace(TextToTime(time)); }

    // The data file's last record: at `address`, of `time`, `interval` minutes after the one
    // before it.
    void Store(const char* address, const char* time, const char* interval) {
        CWeatherRecord stored;
        stored.recordNo = "   1";
        stored.hexAddr = address;
        stored.recordTime = time;
        stored.sampleCircle = interval;
        WriteLines({LineOf(stored)});
    }

    int Download(int newest, int count) {
        CWeatherSettings settings;
        settings.historyStackAddr = std::to_string(newest);
        settings.historyRecords = std::to_string(count);
        settings.historyCircle = "5";
        m_result = DownloadHistory(m_comm, m_records, settings, &m_frame, m_unreadable);
        return m_result.count;
    }

    Strings Delivered(Text field) const {
        Strings texts;
        for (const CWeatherRecord& record : m_records)
            texts.push_back(record.*field);
        return texts;
    }

    std::optional<ScopedTimeZone> m_zone{"UTC0"};
    std::optional<FixedClock> m_clock{TextToTime("2010-03-07 10:00:00")};
    SleepRecorder m_sleeps;
    ConsoleEmulator m_emulator;
    CWeatherComm m_comm{EmulatorLink(), kEmulatorIds};
    RecordingStatusTarget m_frame;
    CWeatherRecordArray m_records{CWeatherRecord()};
    UnreadableSlots m_unreadable;
    DownloadResult m_result;
};

struct PointerCase {
    const char* name;
    int newest;
    int count;
};

void PrintTo(const PointerCase& c, std::ostream* out) {
    *out << c.name;
}

class NothingToReadTest : public HistoryDownloadTest,
                          public testing::WithParamInterface<PointerCase> {};

TEST_P(NothingToReadTest, DeliversNothingAndReadsNothing) {
    EXPECT_EQ(Download(GetParam().newest, GetParam().count), 0);
    EXPECT_TRUE(m_records.empty());
    EXPECT_EQ(m_emulator.Count(kEmuCommands), 0);
    EXPECT_TRUE(m_frame.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Pointers, NothingToReadTest,
                         testing::Values(PointerCase{"OnlyTheOpenRecord", 0x0114, 1},
                                         PointerCase{"AnEmptyRing", 0x0100, 0},
                                         PointerCase{"BetweenSlots", 0x0105, 10},
                                         PointerCase{"BeyondTheLastSlot", 0xFFF0, 10},
                                         PointerCase{"InTheFixedBlock", 0x00EC, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryDownloadTest, AFullRingGivesItsCompleteRecordsDatedBackwardsFromNow) {
    for (int slot = kHistoryFirstSlot; slot <= kHistoryLastSlot; slot += kHistoryRecordSize)
        m_emulator.SetMemory(slot, Record(5, slot));

    EXPECT_EQ(Download(0x0100, 5000), 3263);

    EXPECT_EQ(m_emulator.Count(kEmuCommands), 3263) << "every slot but the open one, once";
    ASSERT_EQ(m_records.size(), 3263u);
    EXPECT_EQ(m_records[0].hexAddr, "00FFEC");
    EXPECT_EQ(m_records[1].hexAddr, "00FFD8");
    EXPECT_EQ(m_records.back().hexAddr, "000114");
    EXPECT_EQ(m_records[0].sequenceNo, "3263");
    EXPECT_EQ(m_records.back().sequenceNo, "   1");
    EXPECT_EQ(m_records[0].recordTime, "2010-03-07 10:00:00");
    EXPECT_EQ(m_records[1].recordTime, "2010-03-07 09:55:00");
    EXPECT_EQ(m_records.back().recordTime, "2010-02-24 02:10:00") << "3262 x 5 minutes before";
    EXPECT_EQ(m_records[0].stackAddr, "");
    ASSERT_EQ(m_frame.shown.size(), 3263u) << "one status text per record";
    EXPECT_EQ(m_frame.shown[0], "1 Data has been read. ...");
    EXPECT_EQ(m_frame.shown.back(), "3263 Data has been read. ...");
}

TEST_F(HistoryDownloadTest, TheReadingGoesOnFromTheFirstSlotToTheLast) {
    EXPECT_EQ(Download(0x0114, 4), 3);
    EXPECT_EQ(ring::ReadAddresses(m_emulator), (std::vector<int>{0x0100, 0xFFEC, 0xFFD8}));
    EXPECT_EQ(Delivered(&CWeatherRecord::hexAddr), (Strings{"000100", "00FFEC", "00FFD8"}));
}

TEST_F(HistoryDownloadTest, MeetingTheStoredRecordAtOnceDeliversNothing) {
    ring::Lay(m_emulator, 0x0128, {Record(5, 1), Record(5, 2)});
    Store("000114", "2010-03-07 09:58:00", "5");

    EXPECT_EQ(Download(0x0128, 3), 0);

    EXPECT_TRUE(m_records.empty());
    EXPECT_EQ(m_emulator.Count(kEmuCommands), 1);
    EXPECT_EQ(m_frame.shown, Strings{"1 Data has been read. ..."});
}

struct FailedReadCase {
    const char* name;
    long failures;    // of the reads of the slot of record 3
    int failedBefore; // downloads that failed there before
    Strings rains;    // of the records delivered
    Strings times;
    bool incomplete;
    int lost;
    int unreadableAfter; // downloads that failed there, as the next download learns
};

void PrintTo(const FailedReadCase& c, std::ostream* out) {
    *out << c.name;
}

class FailedReadTest : public HistoryDownloadTest,
                       public testing::WithParamInterface<FailedReadCase> {};

// Four records into an empty data file; the slot of the second newest fails some reads.
TEST_P(FailedReadTest, AFailedSlotDeliversNothingUntilItIsGivenUpInTheThirdDownloadInARow) {
    const FailedReadCase& c = GetParam();
    ring::Lay(m_emulator, 0x0150, {Record(5, 1), Record(5, 2), Record(5, 3), Record(5, 4)});
    if (c.failedBefore > 0)
        m_unreadable[0x0128] = c.failedBefore;
    // A slot given up a ring ago, which this download does not reach.
    m_unreadable[0x2000] = kDownloadsBeforeSlotIsLost;
    m_emulator.FailReadsAt(0x0128, c.failures);

    EXPECT_EQ(Download(0x0150, 5), static_cast<int>(c.rains.size()));

    EXPECT_EQ(Delivered(&CWeatherRecord::rain), c.rains);
    EXPECT_EQ(Delivered(&CWeatherRecord::recordTime), c.times);
    EXPECT_EQ(m_result.incomplete, c.incomplete);
    EXPECT_EQ(m_result.lost, c.lost);
    EXPECT_EQ(m_unreadable.contains(0x0128) ? m_unreadable[0x0128] : 0, c.unreadableAfter);
    EXPECT_EQ(m_unreadable.contains(0x2000), c.incomplete)
        << "forgotten by a download that went past where it would have met it";
    EXPECT_EQ(m_frame.shown.size(), c.incomplete ? 2u : 4u) << "a failed slot ends the download";
}

const Strings kAllFour{"2010-03-07 10:00:00", "2010-03-07 09:55:00", "2010-03-07 09:50:00",
                       "2010-03-07 09:45:00"};

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedReadTest,
    testing::Values(
        FailedReadCase{"OnceIsReadAgain", 1, 0, {"4", "3", "2", "1"}, kAllFour, false, 0, 0},
        FailedReadCase{"TwiceIsReadAgain", 2, 1, {"4", "3", "2", "1"}, kAllFour, false, 0, 0},
        FailedReadCase{"EveryAttempt", 3, 0, {}, {}, true, 0, 1},
        FailedReadCase{"EveryAttemptTheSecondTime", 3, 1, {}, {}, true, 0, 2},
        // Given up: the records before it are dated as if it were there, at the console's
        // interval.
        FailedReadCase{"EveryAttemptTheThirdTime",
                       3,
                       2,
                       {"4", "2", "1"},
                       {"2010-03-07 10:00:00", "2010-03-07 09:50:00", "2010-03-07 09:45:00"},
                       false,
                       1,
                       3}),
    [](const auto& info) { return std::string(info.param.name); });

// Read at 09:50 by the time built backwards, the stored record of 09:35 is met: 15 minutes lie
// within two of the largest interval so far (10), not of its own (5).
TEST_F(HistoryDownloadTest, TheStoredRecordIsMetWithinTwoOfTheLargestIntervalsSoFar) {
    ring::Lay(m_emulator, 0x0128, {Record(5, 1), Record(10, 2)});
    Store("000100", "2010-03-07 09:35:00", "5");

    EXPECT_EQ(Download(0x0128, 3), 1);

    EXPECT_EQ(Delivered(&CWeatherRecord::recordTime), Strings{"2010-03-07 09:45:00"});
}

// An interval beyond 240 minutes is no interval: its record takes the time of the one after
// it, and it does not widen the window in which the stored record counts as met.
TEST_F(HistoryDownloadTest, AnIntervalOver240MovesNoTimeAndWidensNoWindow) {
    ring::Lay(m_emulator, 0x0150, {Record(5, 1), Record(5, 2), Record(241, 3), Record(10, 4)});
    Store("000114", "2010-03-07 09:20:00", "5");

    EXPECT_EQ(Download(0x0150, 4), 3) << "not met 30 minutes late with a largest interval of 10";

    EXPECT_EQ(Delivered(&CWeatherRecord::sampleCircle), (Strings{"10", "---", "5"}));
    EXPECT_EQ(Delivered(&CWeatherRecord::recordTime),
              (Strings{"2010-03-07 10:00:00", "2010-03-07 09:50:00", "2010-03-07 09:50:00"}));
}

// The stored record of 10:00:00 is met again after two new records of 10 (older) and 5 minutes.
struct RebuildCase {
    const char* name;
    const char* now;
    int newerInterval;
    Strings expectedTimes;
};

void PrintTo(const RebuildCase& c, std::ostream* out) {
    *out << c.name;
}

class TimeRebuildingTest : public HistoryDownloadTest,
                           public testing::WithParamInterface<RebuildCase> {};

TEST_P(TimeRebuildingTest, DatesTheNewRecordsForwardsFromTheStoredOneWhenTheyFitElseByTheClock) {
    const RebuildCase& c = GetParam();
    SetNow(c.now);
    ring::Lay(m_emulator, 0x0150, {Record(5, 1), Record(10, 2), Record(c.newerInterval, 3)});
    Store("000114", "2010-03-07 10:00:00", "5");

    EXPECT_EQ(Download(0x0150, 100), static_cast<int>(c.expectedTimes.size()));

    EXPECT_EQ(Delivered(&CWeatherRecord::recordTime), c.expectedTimes);
    EXPECT_EQ(m_emulator.Count(kEmuCommands), 3) << "the stored record was met";
}

const Strings kRebuilt{"2010-03-07 10:15:00", "2010-03-07 10:10:00"};

INSTANTIATE_TEST_SUITE_P(
    Rules, TimeRebuildingTest,
    testing::Values(
        // Dated forwards, the newest would lie more than two of its intervals ahead of now. The
        // clock was set back: the records keep the times it gives them.
        RebuildCase{"ElevenMinutesAhead",
                    "2010-03-07 10:04:00",
                    5,
                    {"2010-03-07 10:04:00", "2010-03-07 09:59:00"}},
        RebuildCase{"TenMinutesAndMoreAhead", "2010-03-07 10:04:01", 5, kRebuilt},
        RebuildCase{"Behind", "2010-03-07 10:20:00", 5, kRebuilt},
        RebuildCase{"TenMinutesAndLessBehind", "2010-03-07 10:25:59", 5, kRebuilt},
        // ... or more than two of its intervals behind now: the clock was set forward, or the
        // console paused.
        RebuildCase{"ElevenMinutesBehind",
                    "2010-03-07 10:26:00",
                    5,
                    {"2010-03-07 10:26:00", "2010-03-07 10:21:00"}},
        // Two of the newest record's intervals, whatever the others are.
        RebuildCase{"TwentyOneMinutesAheadOfAFifteenMinuteRecord",
                    "2010-03-07 10:04:00",
                    15,
                    {"2010-03-07 10:25:00", "2010-03-07 10:10:00"}},
        RebuildCase{"ThirtyOneMinutesAheadOfAFifteenMinuteRecord",
                    "2010-03-07 09:54:00",
                    15,
                    {"2010-03-07 09:54:00", "2010-03-07 09:39:00"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryDownloadTest, TimesAreRebuiltInRealMinutesAcrossTheSpringChange) {
    SetZone(kCentralEurope);
    SetNow("2010-03-28 03:10:30");
    ring::Lay(m_emulator, 0x0150, {Record(5, 1), Record(5, 2), Record(10, 3)});
    Store("000114", "2010-03-28 01:55:00", "5");

    EXPECT_EQ(Download(0x0150, 100), 2);

    EXPECT_EQ(Delivered(&CWeatherRecord::recordTime),
              (Strings{"2010-03-28 03:10:00", "2010-03-28 03:00:00"}));
}

struct SameCase {
    const char* name;
    const char* storedAddress;
    const char* storedTime;
    const char* storedBytes;
    const char* freshTime; // in UTC
    const char* freshBytes;
    bool same;
    const char* zone = "UTC0";
};

void PrintTo(const SameCase& c, std::ostream* out) {
    *out << c.name;
}

// The time of a time text read in UTC, whatever the zone.
time_t Utc(const char* text) {
    TimeFields f;
    ReadTimeFields(text, f);
    return ((DayNumber(f.year, f.month, f.day) * 24 + f.hour) * 60 + f.minute) * 60 + f.second;
}

// As the data file gives them back, and as a fresh read gives them.
constexpr const char* kStoredBytes = "05 41 E3 00 3C 08 01 6A 27 60 CC 00 02 01 00 00 BB 00 01 0A";
constexpr const char* kSameBytes = "05 41 E3 00 3C 08 01 6A 27 60 CC 00 02 01 00 00 BB 00 01 0A ";
constexpr const char* kOtherBytes = "05 41 E3 00 3C 08 01 6A 27 60 CC 00 02 02 00 00 BB 00 01 0A ";

class SameRecordTest : public testing::TestWithParam<SameCase> {};

TEST_P(SameRecordTest, SameAddressAndTheSameBytesOrWithoutBytesAtMostTwoLargestIntervalsLater) {
    const SameCase& c = GetParam();
    const ScopedTimeZone zone(c.zone);
    const FixedClock clock(TextToTime("2010-03-07 12:00:00"));
    CWeatherRecord stored;
    stored.hexAddr = c.storedAddress;
    stored.recordTime = c.storedTime;
    stored.hexValue = c.storedBytes;
    CWeatherRecord fresh;
    fresh.hexAddr = "00FFEC";
    fresh.hexValue = c.freshBytes;
    EXPECT_EQ(IsSameRecord(stored, fresh, Utc(c.freshTime), 5), c.same);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameRecordTest,
    testing::Values(
        SameCase{"SixHundredSecondsLater", "00FFEC", "2010-03-07 10:00:00", "",
                 "2010-03-07 10:10:00", kSameBytes, true},
        SameCase{"SixHundredAndOneSecondsLater", "00FFEC", "2010-03-07 10:00:00", "",
                 "2010-03-07 10:10:01", kSameBytes, false},
        SameCase{"OtherBytesSixHundredAndOneSecondsLater", "00FFEC", "2010-03-07 10:00:00",
                 kStoredBytes, "2010-03-07 10:10:01", kOtherBytes, false},
        SameCase{"HoursBefore", "00FFEC", "2010-03-07 10:00:00", "", "2010-03-06 10:00:00",
                 kSameBytes, true},
        // A PC clock set forward, or a console that recorded nothing new for a while: the bytes
        // decide, not the clock (whether the ring went round since, the console tells).
        SameCase{"TheSameBytesADayLater", "00FFEC", "2010-03-07 10:00:00", kStoredBytes,
                 "2010-03-08 10:00:00", kSameBytes, true},
        SameCase{"TheSameBytesAYearLater", "00FFEC", "2010-03-07 10:00:00", kStoredBytes,
                 "2011-03-07 10:00:00", kSameBytes, true},
        // A PC clock set back: the slot holds another record, however early it is dated.
        SameCase{"OtherBytesADayBefore", "00FFEC", "2010-03-07 10:00:00", kStoredBytes,
                 "2010-03-06 10:00:00", kOtherBytes, false},
        SameCase{"OtherBytesAtTheSameTime", "00FFEC", "2010-03-07 10:00:00", kStoredBytes,
                 "2010-03-07 10:00:00", kOtherBytes, false},
        SameCase{"AnotherAddress", "00FFD8", "2010-03-07 10:00:00", kStoredBytes,
                 "2010-03-07 10:00:00", kSameBytes, false},
        SameCase{"AddressInLowerCase", "00ffec", "2010-03-07 10:00:00", kStoredBytes,
                 "2010-03-07 10:00:00", kSameBytes, false},
        SameCase{"AStoredRecordWithoutTime", "00FFEC", "", kStoredBytes, "2010-03-07 12:00:00",
                 kSameBytes, false},
        // 02:05 of the repeated hour, read as the later of its two times (01:05 UTC), lies five
        // minutes before the fresh record; read as the earlier one, 65 minutes.
        SameCase{"TheRepeatedHourReadNearTheFreshRecord", "00FFEC", "2026-10-25 02:05:00", "",
                 "2026-10-25 01:10:00", kOtherBytes, true, kCentralEurope}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

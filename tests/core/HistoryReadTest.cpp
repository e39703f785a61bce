#include "station/link/WeatherComm.h"
#include "tests/core/ConsoleRing.h"
#include "tests/core/FixedClock.h"
#include "tests/core/RecordingDebugLog.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/SleepRecorder.h"

#include <gtest/gtest.h>

namespace {

using ring::Bytes;

// 2010-03-07 10:00:00 in UTC.
constexpr time_t kNow = 1267956000;

// The station link over the console emulator, connected, with nothing sent yet.
class HistoryReadTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsLoaded());
        ASSERT_TRUE(m_comm.Connect());
        m_emulator.Reset();
    }

    ScopedTimeZone m_zone{"UTC0"};
    FixedClock m_clock{kNow};
    SleepRecorder m_sleeps;
    ConsoleEmulator m_emulator;
    CWeatherComm m_comm{EmulatorLink(), kEmulatorIds};
    RecordingDebugLog m_log;
};

TEST_F(HistoryReadTest, ARecordIsReadWithOneCommandAndStampedWithAddressAndTime) {
    m_emulator.SetMemory(0xFFEC, ring::Record(5, 300));
    m_log.m_dataDebug = true;
    CWeatherRecord record;
    ASSERT_TRUE(m_comm.ReadRecordAt(0xFFEC, record, false));

    EXPECT_EQ(m_emulator.Count(kEmuCommands), 1);
    EXPECT_EQ(record.hexAddr, "00FFEC");
    EXPECT_EQ(record.recordTime, "2010-03-07 10:00:00");
    EXPECT_EQ(record.rain, "300");
    EXPECT_EQ(record.stackAddr, "");
    ASSERT_EQ(m_log.m_reports.size(), 1u);
    EXPECT_EQ(m_log.m_reports[0].kind, DEBUGLOG_DATA);
    EXPECT_EQ(m_log.m_reports[0].text, "00FFEC") << "reported once stamped";
}

TEST_F(HistoryReadTest, AQuietReadOrAClearedBoxReportsNothing) {
    CWeatherRecord record;
    m_log.m_dataDebug = true;
    ASSERT_TRUE(m_comm.ReadRecordAt(0x0100, record, true));
    m_log.m_dataDebug = false;
    ASSERT_TRUE(m_comm.ReadRecordAt(0x0100, record, false));
    EXPECT_TRUE(m_log.m_reports.empty());
}

TEST_F(HistoryReadTest, ARecordFailingItsChecksIsReadTwiceAndKeptWithoutTheBadValue) {
    Bytes bad = ring::Record(5, 300);
    bad[1] = 100;
    m_emulator.SetMemory(0x0100, bad);
    CWeatherRecord record;
    ASSERT_TRUE(m_comm.ReadRecordAt(0x0100, record, false));
    EXPECT_EQ(ring::ReadAddresses(m_emulator), (std::vector<int>{0x0100, 0x0100}));
    EXPECT_EQ(record.indHumi, "---");
    EXPECT_EQ(record.indHumiRaw, 100);
    EXPECT_EQ(record.outHumi, "60");
}

TEST_F(HistoryReadTest, AFailedReadFailsAndIsNotReported) {
    m_log.SwitchAll(true);
    CWeatherRecord record;
    m_emulator.FailWrites(0, 1);
    EXPECT_FALSE(m_comm.ReadRecordAt(0x0100, record, false));
    EXPECT_EQ(record.hexAddr, "");

    Bytes bad = ring::Record(5, 300);
    bad[4] = 200;
    m_emulator.SetMemory(0x0100, bad);
    m_emulator.FailWrites(1, 1);
    EXPECT_FALSE(m_comm.ReadRecordAt(0x0100, record, false)) << "the second reading failed";
    EXPECT_TRUE(m_log.m_reports.empty());
}

struct LatestCase {
    const char* name;
    int newest;
    int count;
    int n;
    int expectedAddress; // -1: nothing is read
};

void PrintTo(const LatestCase& c, std::ostream* out) {
    *out << c.name;
}

class LatestRecordTest : public HistoryReadTest, public testing::WithParamInterface<LatestCase> {};

TEST_P(LatestRecordTest, StepsBackFromTheNewestRecordRoundTheRing) {
    const LatestCase& c = GetParam();
    ring::SetPointer(m_emulator, c.newest, c.count);
    CWeatherRecord record;
    EXPECT_EQ(m_comm.ReadLatestRecord(record, c.n, true), c.expectedAddress >= 0);

    const std::vector<int> reads = ring::ReadAddresses(m_emulator);
    ASSERT_FALSE(reads.empty());
    EXPECT_EQ(reads[0], 0x0000) << "the history pointer first";
    if (c.expectedAddress < 0) {
        EXPECT_EQ(reads.size(), 2u) << "the two blocks of the pointer only";
        return;
    }
    EXPECT_EQ(reads.back(), c.expectedAddress);
    char expected[8];
    std::snprintf(expected, sizeof expected, "%06X", c.expectedAddress);
    EXPECT_EQ(record.hexAddr, expected);
    std::snprintf(expected, sizeof expected, "%06X", c.newest);
    EXPECT_EQ(record.stackAddr, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LatestRecordTest, testing::Values(
    LatestCase{"TheNewest", 0x0128, 3, 0, 0x0128},
    LatestCase{"OneBefore", 0x0128, 3, 1, 0x0114},
    LatestCase{"TheOldestStored", 0x0128, 3, 2, 0x0100},
    LatestCase{"BeforeTheFirstSlotIsTheLast", 0x0100, 2, 1, 0xFFEC},
    LatestCase{"MoreThanTheCount", 0x0128, 3, 3, -1},
    LatestCase{"AnEmptyRing", 0x0100, 0, 0, -1},
    LatestCase{"ANegativeStep", 0x0128, 3, -1, -1},
    LatestCase{"ANewestAddressBetweenSlots", 0x0105, 3, 0, -1},
    LatestCase{"ANewestAddressInTheFixedBlock", 0x0000, 3, 0, -1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace

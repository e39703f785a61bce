#include "station/link/WeatherComm.h"

#include "platform/StopRequest.h"
#include "station/console/FixedBlockCodec.h"
#include "station/console/WeatherSet.h"
#include "station/link/SimulatedConsole.h"
#include "station/link/SimulatedLink.h"
#include "tests/core/RecordingDebugLog.h"
#include "tests/core/SleepRecorder.h"
#include "tests/emulator/EmulatorModule.h"

#include <thread>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kSetUpBlock(g_simFixedBlockTemplate, g_simFixedBlockTemplate + kFixedBlockSize);

// The station link in console mode over the emulator, which holds a set-up console's block.
class WeatherCommTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsLoaded());
        m_emulator.SetMemory(0x0000, kSetUpBlock);
    }

    void ConnectAndForgetTraffic() {
        ASSERT_TRUE(m_comm.Connect());
        m_emulator.Reset();
        m_emulator.SetMemory(0x0000, kSetUpBlock);
    }

    SleepRecorder m_sleeps;
    ConsoleEmulator m_emulator;
    CWeatherComm m_comm{EmulatorLink(), kEmulatorIds};
};

struct LinkState {
    bool connected, changed, polling;
    bool operator==(const LinkState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LinkState& state) {
    return out << "connected " << state.connected << ", changed " << state.changed << ", polling "
               << state.polling;
}

LinkState StateOf(const CWeatherComm& comm) {
    return {comm.IsConnected(), comm.HasLinkChanged(), comm.IsPollingLink()};
}

TEST_F(WeatherCommTest, TheLinkComesUpStopsPollingAndGoesDownWithTheConsole) {
    EXPECT_EQ(StateOf(m_comm), (LinkState{false, false, true}));
    EXPECT_TRUE(m_comm.Connect());
    EXPECT_EQ(StateOf(m_comm), (LinkState{true, true, false}));
    EXPECT_TRUE(m_comm.Connect());
    EXPECT_EQ(StateOf(m_comm), (LinkState{true, false, false}));

    m_emulator.SetAttached(false);
    EXPECT_FALSE(m_comm.Connect());
    EXPECT_EQ(StateOf(m_comm), (LinkState{false, true, false}));
    EXPECT_FALSE(m_comm.Connect());
    EXPECT_EQ(StateOf(m_comm), (LinkState{false, false, false}));

    m_comm.EnableLinkPolling();
    m_emulator.SetAttached(true);
    EXPECT_EQ(StateOf(m_comm), (LinkState{false, false, true}));
    EXPECT_TRUE(m_comm.Connect());
    EXPECT_EQ(StateOf(m_comm), (LinkState{true, true, false}));
}

TEST_F(WeatherCommTest, ConnectLooksForTheConfiguredIds) {
    m_comm.m_settings.productId = kConsoleProductId + 1;
    EXPECT_FALSE(m_comm.Connect());
    EXPECT_EQ(StateOf(m_comm), (LinkState{false, false, true}));
}

TEST_F(WeatherCommTest, ReadingTheBlockTakesEightCommandsAndThirtyTwoAnswers) {
    ConnectAndForgetTraffic();
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));

    EXPECT_EQ(m_emulator.Count(kEmuCommands), 8);
    EXPECT_EQ(m_emulator.Count(kEmuSentFrames), 32);
    EXPECT_EQ(settings.historyCircle, "5");
    EXPECT_EQ(settings.historyRecords, "1");
    EXPECT_EQ(settings.historyStackAddr, "256");
    EXPECT_EQ(settings.hexAll, "") << "no companions without a reason for them";
}

TEST_F(WeatherCommTest, AQuietReadDecodesTheCompanionsAndIsNotReported) {
    ConnectAndForgetTraffic();
    RecordingDebugLog log;
    log.SwitchAll(true);
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, true));
    EXPECT_EQ(settings.hexAll.substr(0, 6), "55 AA ");
    EXPECT_TRUE(log.m_reports.empty());
}

TEST_F(WeatherCommTest, AReadIsReportedRawWhileItsBoxIsTicked) {
    ConnectAndForgetTraffic();
    RecordingDebugLog log;
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    log.m_readDebug = true;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));

    ASSERT_EQ(log.m_reports.size(), 1u);
    EXPECT_EQ(log.m_reports[0].kind, DEBUGLOG_READ);
    EXPECT_EQ(log.m_reports[0].hexAll.substr(0, 6), "55 AA ");
}

TEST_F(WeatherCommTest, AFailedReadLeavesTheSettingsAsTheyWereAndReportsNothing) {
    ConnectAndForgetTraffic();
    RecordingDebugLog log;
    log.SwitchAll(true);
    m_emulator.StallFrame(30, kFrameAttempts, true);
    CWeatherSettings settings;
    EXPECT_FALSE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    EXPECT_EQ(settings.historyCircle, "---");
    EXPECT_EQ(settings.historyStackAddr, "");
    EXPECT_TRUE(log.m_reports.empty());
}

TEST_F(WeatherCommTest, WritingSendsEightAcknowledgedBlocksMarkedAsChangedByThePc) {
    ConnectAndForgetTraffic();
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    settings.updateFlag = "0";
    settings.historyCircle = "30";

    ASSERT_TRUE(m_comm.WriteFixedBlock(settings, kWholeBlock, false));

    EXPECT_EQ(settings.updateFlag, "1");
    EXPECT_EQ(m_emulator.Count(kEmuCommands), 8 + 8);
    EXPECT_EQ(m_emulator.Count(kEmuDataFrames), 32);
    EXPECT_EQ(m_emulator.Count(kEmuAcknowledgements), 8);
    const Bytes written = m_emulator.Memory(0x0000, kFixedBlockSize);
    EXPECT_EQ(written[0x1A], 0xAA);
    EXPECT_EQ(written[0x10], 30);
    CWeatherSettings copy = settings;
    Bytes encoded(kFixedBlockSize, 0);
    ASSERT_TRUE(EncodeFixedBlock(copy, encoded.data(), kWholeBlock, false));
    EXPECT_EQ(written, encoded);
}

TEST_F(WeatherCommTest, AWriteIsReportedBeforeAnythingGoesToTheConsoleEvenWhenItThenFails) {
    ConnectAndForgetTraffic();
    RecordingDebugLog log;
    log.m_writeDebug = true;
    long writeCallsAtReport = -1;
    log.m_onReport = [&](const RecordingDebugLog::Report&) {
        writeCallsAtReport = m_emulator.Count(kEmuWriteCalls);
    };
    m_emulator.FailWrites(0, 1);
    CWeatherSettings settings;

    EXPECT_FALSE(m_comm.WriteFixedBlock(settings, kWholeBlock, false));

    ASSERT_EQ(log.m_reports.size(), 1u);
    EXPECT_EQ(log.m_reports[0].kind, DEBUGLOG_WRITE);
    EXPECT_EQ(log.m_reports[0].updateFlag, "1");
    EXPECT_FALSE(log.m_reports[0].hexAll.empty()) << "encoded raw for the report";
    EXPECT_EQ(writeCallsAtReport, 0);
    EXPECT_EQ(m_emulator.Memory(0x0000, kFixedBlockSize), kSetUpBlock);
}

TEST_F(WeatherCommTest, OnlyTheWholeBlockIsWritten) {
    ConnectAndForgetTraffic();
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    for (int part : {int{kBasicArea}, int{kAlarmArea}, int{kScopeArea}, 7})
        EXPECT_FALSE(m_comm.WriteFixedBlock(settings, part, false)) << part;
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls), 8) << "the read's commands only";
}

TEST_F(WeatherCommTest, TheHistoryPointerComesFromTheFirstTwoBlocks) {
    ConnectAndForgetTraffic();
    m_emulator.SetMemory(0x1B, {0xBF, 0x0C});
    m_emulator.SetMemory(0x1E, {0xEC, 0xFF});
    int newest = 0;
    int count = 0;
    ASSERT_TRUE(m_comm.ReadHistoryPointer(newest, count));
    EXPECT_EQ(newest, 0xFFEC);
    EXPECT_EQ(count, 3263);
    EXPECT_EQ(m_emulator.Count(kEmuCommands), 2);
}

TEST_F(WeatherCommTest, AFailedHistoryPointerReadLeavesTheResultsAlone) {
    ConnectAndForgetTraffic();
    m_emulator.StallFrame(0, kFrameAttempts, true);
    int newest = -5;
    int count = -7;
    EXPECT_FALSE(m_comm.ReadHistoryPointer(newest, count));
    EXPECT_EQ(newest, -5);
    EXPECT_EQ(count, -7);
}

struct ByteSequence {
    const char* name;
    bool (CWeatherComm::*operation)();
    std::vector<std::pair<int, std::uint8_t>> writes;
    const char* logText;
};

const ByteSequence kReinit{"Reinit",
                           &CWeatherComm::ReinitStation,
                           {{0x00, 0xFF}, {0x01, 0xFF}, {0x1A, 0xAA}},
                           "initFlag1:1->0x55, initFlag2:1->0xAA"};
const ByteSequence kClearHistory{"ClearHistory",
                                 &CWeatherComm::ClearHistoryCount,
                                 {{0x1B, 0x00}, {0x1C, 0x00}, {0x1A, 0xAA}},
                                 "historyRecords->0"};

// A sequence whose write number `failing` fails (3: none does).
class ByteSequenceTest : public WeatherCommTest,
                         public testing::WithParamInterface<std::tuple<ByteSequence, int>> {};

TEST_P(ByteSequenceTest, StopsAtTheFirstFailureKeepsWhatWasWrittenAndLogsOnlyASuccess) {
    const auto& [sequence, failing] = GetParam();
    ConnectAndForgetTraffic();
    m_emulator.SetMemory(0x00, {0x55, 0xAA});
    m_emulator.SetMemory(0x1A, {0x00, 0x11, 0x22});
    const Bytes before = m_emulator.Memory(0x0000, kFixedBlockSize);
    RecordingDebugLog log;
    log.m_writeDebug = true;
    m_emulator.FailWrites(failing, 1);

    EXPECT_EQ((m_comm.*sequence.operation)(), failing == 3);

    Bytes expected = before;
    for (int i = 0; i < failing; ++i)
        expected[sequence.writes[i].first] = sequence.writes[i].second;
    EXPECT_EQ(m_emulator.Memory(0x0000, kFixedBlockSize), expected);
    EXPECT_EQ(m_emulator.Count(kEmuCommands), failing);
    if (failing == 3) {
        ASSERT_EQ(log.m_reports.size(), 1u);
        EXPECT_EQ(log.m_reports[0].text, sequence.logText);
    } else {
        EXPECT_TRUE(log.m_reports.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, ByteSequenceTest,
                         testing::Combine(testing::Values(kReinit, kClearHistory),
                                          testing::Range(0, 4)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "Failing" +
                                    std::to_string(std::get<1>(info.param));
                         });

// The system asks the program to end while a write waits for its first acknowledgement.
void RequestEndInsteadOfSleeping(int) {
    RequestProgramEnd();
}

// Each write of the console as a whole: the block, or one sequence of bytes.
struct WholeWrite {
    const char* name;
    bool (*write)(CWeatherComm& comm);
    std::vector<int> writtenAt; // the bytes it changes in the emulator's set-up block
};

const WholeWrite kWholeWrites[] = {
    {"Block",
     [](CWeatherComm& comm) {
         CWeatherSettings settings;
         if (!comm.ReadFixedBlock(settings, kWholeBlock, false))
             return false;
         settings.historyCircle = "30";
         return comm.WriteFixedBlock(settings, kWholeBlock, false);
     },
     {0x10, 0x1A}},
    {"Reinit", [](CWeatherComm& comm) { return comm.ReinitStation(); }, {0x00, 0x01, 0x1A}},
    {"ClearHistory", [](CWeatherComm& comm) { return comm.ClearHistoryCount(); }, {0x1A, 0x1B}},
};

class WholeWriteTest : public WeatherCommTest, public testing::WithParamInterface<WholeWrite> {
protected:
    void TearDown() override { WithdrawProgramEndRequest(); }
};

// A program asked to end writes none of it before it has begun; begun, the write goes on to
// its end, acknowledged block by block, so that the console never holds half of it.
TEST_P(WholeWriteTest, AProgramAskedToEndDoesNotBeginItButFinishesItOnceBegun) {
    const WholeWrite& write = GetParam();
    ConnectAndForgetTraffic();
    const SleepFunction previous = SetSleepFunction(RequestEndInsteadOfSleeping);
    EXPECT_TRUE(write.write(m_comm));
    SetSleepFunction(previous);
    ASSERT_TRUE(IsProgramEndRequested());
    const Bytes written = m_emulator.Memory(0x0000, kFixedBlockSize);
    for (int at : write.writtenAt)
        EXPECT_NE(written[at], kSetUpBlock[at]) << at;

    m_emulator.SetMemory(0x0000, kSetUpBlock);
    const long commands = m_emulator.Count(kEmuCommands);
    EXPECT_FALSE(write.write(m_comm));
    EXPECT_EQ(m_emulator.Count(kEmuCommands), commands) << "nothing sent, not even a read";
    EXPECT_EQ(m_emulator.Memory(0x0000, kFixedBlockSize), kSetUpBlock);
}

INSTANTIATE_TEST_SUITE_P(Writes, WholeWriteTest, testing::ValuesIn(kWholeWrites),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WeatherCommTest, InTestModeTheSimulatedConsoleGrowsWithEveryRead) {
    m_comm.SetUp(std::make_unique<CSimulatedLink>(), kEmulatorIds);
    ASSERT_TRUE(m_comm.Connect());
    int newest = 0;
    int count = 0;
    ASSERT_TRUE(m_comm.ReadHistoryPointer(newest, count));
    EXPECT_EQ(newest, 0x0100);
    EXPECT_EQ(count, 1);
    CWeatherSettings settings;
    ASSERT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
    EXPECT_EQ(settings.historyStackAddr, "276");
    EXPECT_EQ(settings.historyRecords, "2");
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls) + m_emulator.Count(kEmuReadCalls), 0);
}

TEST_F(WeatherCommTest, TheBusyRuleWaitsThreeSecondsThenGivesUp) {
    m_comm.m_busy = true;
    {
        const CBusyGuard device = WaitAndTakeDevice(m_comm);
        EXPECT_FALSE(device.IsTaken());
    }
    EXPECT_TRUE(m_comm.m_busy);
    EXPECT_EQ(m_sleeps.Recorded(), (std::vector<int>{1000, 1000, 1000}));

    m_comm.m_busy = false;
    {
        const CBusyGuard device = WaitAndTakeDevice(m_comm);
        EXPECT_TRUE(device.IsTaken());
        EXPECT_TRUE(m_comm.m_busy);
    }
    EXPECT_FALSE(m_comm.m_busy);
}

void Yield(int) {
    std::this_thread::yield();
}

// A monitor-like thread reads the block while a dialog-like thread writes single bytes; the
// busy flag alone keeps their frames from mixing on the one link.
TEST_F(WeatherCommTest, TheBusyFlagKeepsTwoThreadsFramesApart) {
    ConnectAndForgetTraffic();
    const SleepFunction previous = SetSleepFunction(Yield);
    constexpr int kRounds = 40;
    int goodReads = 0;
    int goodWrites = 0;

    std::thread monitor([&] {
        for (int round = 0; round < kRounds;) {
            const CBusyGuard device = WaitAndTakeDevice(m_comm, 0);
            if (!device.IsTaken())
                continue;
            CWeatherSettings settings;
            goodReads += m_comm.ReadFixedBlock(settings, kWholeBlock, false) &&
                         settings.historyStackAddr == "256";
            ++round;
        }
    });
    std::thread dialog([&] {
        for (int round = 0; round < kRounds; ++round) {
            const CBusyGuard device = WaitAndTakeDevice(m_comm, 1000000);
            goodWrites += device.IsTaken() && m_comm.m_link->WriteMemoryByte(0x61, round);
        }
    });
    monitor.join();
    dialog.join();
    SetSleepFunction(previous);

    EXPECT_EQ(goodReads, kRounds);
    EXPECT_EQ(goodWrites, kRounds);
    EXPECT_FALSE(m_comm.m_busy);
}

} // namespace

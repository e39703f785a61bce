#include "station/link/SimulatedConsole.h"

#include "station/link/SimulatedLink.h"
#include "station/link/WeatherComm.h"
#include "tests/core/SleepRecorder.h"
#include "tests/emulator/EmulatorModule.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

int Word(int at) {
    return g_simMemory[at] | g_simMemory[at + 1] << 8;
}

void SetWord(int at, int value) {
    g_simMemory[at] = static_cast<std::uint8_t>(value);
    g_simMemory[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// The link of test mode, with the emulator beside it to show that the library stays unused.
class SimulatedConsoleTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsLoaded());
        m_emulator.SetAttached(false);
        ASSERT_TRUE(m_device.Open(0, 0));
        m_sleeps.Clear();
    }
    void TearDown() override {
        EXPECT_EQ(m_emulator.Count(kEmuWriteCalls) + m_emulator.Count(kEmuReadCalls), 0)
            << "test mode calls the library";
    }

    bool Read(int address, Bytes& buffer) {
        int length = static_cast<int>(buffer.size());
        const bool result = m_device.ReadMemory(address, buffer.data(), length);
        EXPECT_EQ(length, static_cast<int>(buffer.size())) << "the length stays as asked";
        return result;
    }

    SleepRecorder m_sleeps;
    ConsoleEmulator m_emulator;
    CSimulatedLink m_device;
};

TEST_F(SimulatedConsoleTest, OpenLaysTheFixedBlockAndTheRecordsOverTheWholeRing) {
    std::memset(g_simMemory, 0, sizeof g_simMemory);
    EXPECT_TRUE(m_device.Open(0, 0));
    EXPECT_EQ(std::memcmp(g_simMemory, g_simFixedBlockTemplate, 256), 0);
    for (int at = 0x0100; at < 0x10000; at += 320)
        ASSERT_EQ(std::memcmp(g_simMemory + at, g_simRecordTemplate, 320), 0) << at;
}

TEST_F(SimulatedConsoleTest, TheFixedBlockHoldsOneRecordAtTheFirstSlotOfAFiveMinuteRing) {
    EXPECT_EQ(g_simMemory[0x00], 0x55);
    EXPECT_EQ(g_simMemory[0x01], 0xAA);
    EXPECT_EQ(g_simMemory[0x10], 5);
    EXPECT_EQ(Word(0x1B), 1);
    EXPECT_EQ(Word(0x1E), 0x0100);
}

TEST_F(SimulatedConsoleTest, AReadCopiesExactlyTheLengthAndTakesItsTime) {
    Bytes buffer(20);
    EXPECT_TRUE(Read(0x0100, buffer));
    EXPECT_EQ(buffer, Bytes(g_simRecordTemplate, g_simRecordTemplate + 20));
    EXPECT_EQ(m_sleeps.Recorded(), std::vector<int>{200});
}

TEST_F(SimulatedConsoleTest, EveryReadMakesOneMoreRecordAppear) {
    Bytes buffer(32);
    ASSERT_TRUE(Read(0x0000, buffer));
    EXPECT_EQ(buffer[0x1B], 1) << "the bytes are those before the console moved on";
    EXPECT_EQ(Word(0x1B), 2);
    EXPECT_EQ(Word(0x1E), 0x0114);

    Bytes far(4);
    ASSERT_TRUE(Read(0x8000, far));
    EXPECT_EQ(Word(0x1B), 3);
    EXPECT_EQ(Word(0x1E), 0x0128);
}

TEST_F(SimulatedConsoleTest, TheNewestAddressWrapsFromTheLastSlotToTheFirst) {
    SetWord(0x1E, 0xFFD8);
    Bytes buffer(20);
    ASSERT_TRUE(Read(0xFFEC, buffer)) << "the last record ends at the end of the memory";
    EXPECT_EQ(Word(0x1E), 0xFFEC);
    ASSERT_TRUE(Read(0xFFEC, buffer));
    EXPECT_EQ(Word(0x1E), 0x0100);
}

TEST_F(SimulatedConsoleTest, TheRecordCountWrapsAt65536) {
    SetWord(0x1B, 0xFFFF);
    Bytes buffer(1);
    ASSERT_TRUE(Read(0x0000, buffer));
    EXPECT_EQ(Word(0x1B), 0);
}

TEST_F(SimulatedConsoleTest, WritesStoreTheBytesAsGiven) {
    const Bytes data{1, 2, 3, 4, 5};
    int length = 5;
    EXPECT_TRUE(m_device.WriteMemory(0x0200, data.data(), length));
    EXPECT_EQ(length, 5);
    EXPECT_EQ(Bytes(g_simMemory + 0x0200, g_simMemory + 0x0205), data);

    EXPECT_TRUE(m_device.WriteMemoryByte(0x1A, 0x1AA));
    EXPECT_EQ(g_simMemory[0x1A], 0xAA);
    EXPECT_EQ(m_sleeps.Recorded(), (std::vector<int>{200, 200}));
    EXPECT_EQ(Word(0x1B), 1) << "writes do not advance the console";
}

// So are those of a link abandoned by a program that ends: they fail at once, without the time
// an access takes, until the link is taken back.
TEST_F(SimulatedConsoleTest,
       AccessesBeyondTheMemoryOrOverAnAbandonedLinkAreRefusedAndChangeNothing) {
    const Bytes before(g_simMemory, g_simMemory + kSimMemorySize);
    Bytes buffer(32, 0xEE);
    int length = 32;
    EXPECT_FALSE(m_device.ReadMemory(0xFFF0, buffer.data(), length));
    EXPECT_FALSE(m_device.WriteMemory(0xFFF0, buffer.data(), length));
    EXPECT_FALSE(m_device.WriteMemoryByte(0x10000, 1));
    EXPECT_FALSE(m_device.WriteMemoryByte(-1, 1));
    m_device.m_abandon = true;
    EXPECT_FALSE(m_device.ReadMemory(0x0000, buffer.data(), length));
    EXPECT_FALSE(m_device.WriteMemory(0x0200, buffer.data(), length));
    EXPECT_FALSE(m_device.WriteMemoryByte(0x1A, 0xAA));
    EXPECT_EQ(buffer, Bytes(32, 0xEE));
    EXPECT_EQ(Bytes(g_simMemory, g_simMemory + kSimMemorySize), before);
    EXPECT_TRUE(m_sleeps.Recorded().empty());
    m_device.m_abandon = false;
    EXPECT_TRUE(m_device.ReadMemory(0x0000, buffer.data(), length));
}

TEST_F(SimulatedConsoleTest, TheConsoleIsAlwaysThere) {
    EXPECT_TRUE(m_device.CheckOpen());
}

// The link given at set-up serves every read, until another one is given.
TEST(ConsoleLinkChoice, TheLinkGivenAtSetUpServesEveryRead) {
    SleepRecorder sleeps;
    ConsoleEmulator emulator;
    ASSERT_TRUE(emulator.IsLoaded());
    emulator.SetMemory(0x0000, Bytes(32, 0x42));
    CWeatherComm comm(EmulatorLink(), kEmulatorIds);
    ASSERT_TRUE(comm.Connect());

    Bytes buffer(32);
    int length = 32;
    ASSERT_TRUE(comm.m_link->ReadMemory(0x0000, buffer.data(), length));
    EXPECT_EQ(buffer, Bytes(32, 0x42));
    EXPECT_EQ(emulator.Count(kEmuCommands), 1);
    EXPECT_FALSE(comm.IsTestMode());

    comm.SetUp(std::make_unique<CSimulatedLink>(), kEmulatorIds);
    EXPECT_TRUE(comm.IsTestMode());
    ASSERT_TRUE(comm.Connect());
    ASSERT_TRUE(comm.m_link->ReadMemory(0x0000, buffer.data(), length));
    EXPECT_EQ(buffer[0], g_simFixedBlockTemplate[0]);
    EXPECT_EQ(emulator.Count(kEmuCommands), 1);
}

} // namespace

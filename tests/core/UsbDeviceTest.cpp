#include "station/link/UsbDevice.h"

#include "station/link/SimulatedLink.h"
#include "tests/core/SleepRecorder.h"
#include "tests/emulator/EmulatorModule.h"

#include <numeric>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kUntouched = 0xEE;

Bytes Pattern(int length, int seed) {
    Bytes bytes(length);
    std::iota(bytes.begin(), bytes.end(), static_cast<std::uint8_t>(seed));
    return bytes;
}

Frame MakeFrame(std::initializer_list<int> bytes) {
    Frame frame{};
    std::size_t i = 0;
    for (int byte : bytes)
        frame[i++] = static_cast<std::uint8_t>(byte);
    return frame;
}

// The device in console mode, talking to the emulator.
class UsbDeviceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsLoaded());
        ASSERT_TRUE(m_device.Open(kConsoleVendorId, kConsoleProductId));
    }

    // Reads into a buffer of `bufferSize` bytes prefilled with kUntouched.
    Bytes Read(int address, int& length, int bufferSize, bool expected = true) {
        Bytes buffer(bufferSize, kUntouched);
        EXPECT_EQ(m_device.ReadMemory(address, buffer.data(), length), expected);
        return buffer;
    }

    SleepRecorder m_sleeps;
    ConsoleEmulator m_emulator;
    CUsbDevice m_device{ConsoleEmulator::FileName()};
};

TEST_F(UsbDeviceTest, ReadingTwentyBytesTakesOneCommandAndFillsNoMore) {
    const Bytes memory = Pattern(32, 1);
    m_emulator.SetMemory(0x1234, memory);

    int length = 20;
    const Bytes buffer = Read(0x1234, length, 40);

    EXPECT_EQ(length, 32);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 20),
              Bytes(memory.begin(), memory.begin() + 20));
    EXPECT_EQ(Bytes(buffer.begin() + 20, buffer.end()), Bytes(20, kUntouched));
    EXPECT_EQ(m_emulator.ReceivedFrames(),
              std::vector<Frame>{MakeFrame({0xA1, 0x12, 0x34, 0x20, 0xA1, 0x12, 0x34, 0x20})});
    EXPECT_EQ(m_emulator.Count(kEmuSentFrames), 4);
}

TEST_F(UsbDeviceTest, ReadingTheFixedBlockTakesEightCommandsAtAscendingAddresses) {
    const Bytes block = Pattern(256, 7);
    m_emulator.SetMemory(0x0000, block);

    int length = 256;
    EXPECT_EQ(Read(0x0000, length, 256), block);
    EXPECT_EQ(length, 256);

    std::vector<Frame> commands;
    for (int lo = 0x00; lo <= 0xE0; lo += 0x20)
        commands.push_back(MakeFrame({0xA1, 0x00, lo, 0x20, 0xA1, 0x00, lo, 0x20}));
    EXPECT_EQ(m_emulator.ReceivedFrames(), commands);
    EXPECT_EQ(m_emulator.Count(kEmuSentFrames), 32);
}

struct AddressCase {
    int address;
    std::vector<Frame> commands;
};

class CommandAddressTest : public UsbDeviceTest, public testing::WithParamInterface<AddressCase> {};

TEST_P(CommandAddressTest, AddressBytesAreBigEndianModulo65536) {
    int length = static_cast<int>(GetParam().commands.size()) * 32;
    Read(GetParam().address, length, length);
    EXPECT_EQ(m_emulator.ReceivedFrames(), GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, CommandAddressTest,
    testing::Values(
        AddressCase{0xFFEC, {MakeFrame({0xA1, 0xFF, 0xEC, 0x20, 0xA1, 0xFF, 0xEC, 0x20})}},
        AddressCase{0x0100, {MakeFrame({0xA1, 0x01, 0x00, 0x20, 0xA1, 0x01, 0x00, 0x20})}},
        AddressCase{0xFFE0,
                    {MakeFrame({0xA1, 0xFF, 0xE0, 0x20, 0xA1, 0xFF, 0xE0, 0x20}),
                     MakeFrame({0xA1, 0x00, 0x00, 0x20, 0xA1, 0x00, 0x00, 0x20})}},
        AddressCase{0x1FFF0, {MakeFrame({0xA1, 0xFF, 0xF0, 0x20, 0xA1, 0xFF, 0xF0, 0x20})}}));

TEST_F(UsbDeviceTest, WritingBlocksSendsCommandFourDataFramesAndWaitsForEachAcknowledgement) {
    const Bytes data = Pattern(64, 40);
    int length = 64;
    EXPECT_TRUE(m_device.WriteMemory(0x0100, data.data(), length));

    EXPECT_EQ(length, 64);
    EXPECT_EQ(m_emulator.Memory(0x0100, 64), data);
    const std::vector<Frame> frames = m_emulator.ReceivedFrames();
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames[0], MakeFrame({0xA0, 0x01, 0x00, 0x20, 0xA0, 0x01, 0x00, 0x20}));
    EXPECT_EQ(frames[5], MakeFrame({0xA0, 0x01, 0x20, 0x20, 0xA0, 0x01, 0x20, 0x20}));
    EXPECT_EQ(frames[1], MakeFrame({40, 41, 42, 43, 44, 45, 46, 47}));
    EXPECT_EQ(frames[9], MakeFrame({96, 97, 98, 99, 100, 101, 102, 103}));
    EXPECT_EQ(m_emulator.Count(kEmuAcknowledgements), 2);
    EXPECT_EQ(m_sleeps.Recorded(), (std::vector<int>{50, 50}));
}

TEST_F(UsbDeviceTest, APartialBlockIsNotWrittenAtAll) {
    const Bytes data = Pattern(20, 1);
    int length = 20;
    EXPECT_FALSE(m_device.WriteMemory(0x0100, data.data(), length));
    EXPECT_EQ(length, 0);
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls), 0);
}

TEST_F(UsbDeviceTest, WritingAByteSendsItsFrameAndTheLowEightBitsLand) {
    EXPECT_TRUE(m_device.WriteMemoryByte(0x1A, 0xAA));
    EXPECT_TRUE(m_device.WriteMemoryByte(0x1B, 0x1FF));

    EXPECT_EQ(m_emulator.ReceivedFrames(),
              (std::vector<Frame>{MakeFrame({0xA2, 0x00, 0x1A, 0x20, 0xA2, 0xAA, 0x00, 0x20}),
                                  MakeFrame({0xA2, 0x00, 0x1B, 0x20, 0xA2, 0xFF, 0x00, 0x20})}));
    EXPECT_EQ(m_emulator.Memory(0x1A, 2), (Bytes{0xAA, 0xFF}));
    EXPECT_EQ(m_sleeps.Recorded(), (std::vector<int>{50, 50}));
}

class WrongAcknowledgementTest : public UsbDeviceTest, public testing::WithParamInterface<int> {};

TEST_P(WrongAcknowledgementTest, FailsAByteWrite) {
    m_emulator.CorruptAcknowledgement(0, GetParam(), 0xA4);
    EXPECT_FALSE(m_device.WriteMemoryByte(0x20, 0x01));
    EXPECT_TRUE(m_device.WriteMemoryByte(0x21, 0x01));
}

TEST_P(WrongAcknowledgementTest, FailsABlockWriteButTheNextBlockIsStillWritten) {
    const Bytes data = Pattern(64, 1);
    m_emulator.CorruptAcknowledgement(0, GetParam(), 0x00);
    int length = 64;
    EXPECT_FALSE(m_device.WriteMemory(0x0200, data.data(), length));
    EXPECT_EQ(length, 64);
    EXPECT_EQ(m_emulator.Memory(0x0200, 64), data);
}

INSTANTIATE_TEST_SUITE_P(AnyByte, WrongAcknowledgementTest, testing::Values(0, 3, 7));

TEST_F(UsbDeviceTest, AFailedReadCommandStopsTheReadWithTheBytesCoveredBeforeIt) {
    m_emulator.SetMemory(0x0300, Pattern(96, 1));
    m_emulator.FailWrites(1, 1);

    int length = 96;
    const Bytes buffer = Read(0x0300, length, 96, false);

    EXPECT_EQ(length, 32);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 32), Pattern(32, 1));
    EXPECT_EQ(Bytes(buffer.begin() + 32, buffer.end()), Bytes(64, kUntouched));
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls), 2) << "no command after the failed one";
}

TEST_F(UsbDeviceTest, AFailedWriteCommandStopsTheWriteWithTheBytesCoveredBeforeIt) {
    const Bytes data = Pattern(96, 1);
    m_emulator.FailWrites(5, 1); // the second block's command, after one command and 4 frames

    int length = 96;
    EXPECT_FALSE(m_device.WriteMemory(0x0400, data.data(), length));

    EXPECT_EQ(length, 32);
    Bytes expected = Pattern(32, 1);
    expected.resize(96, 0x00);
    EXPECT_EQ(m_emulator.Memory(0x0400, 96), expected);
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls), 6);
}

TEST_F(UsbDeviceTest, AnAnswerFrameIsAwaitedForExactlyTheGivenNumberOfAttempts) {
    m_emulator.SetMemory(0x0500, Pattern(32, 1));
    m_emulator.StallFrame(3, kFrameAttempts - 1, false);

    int length = 32;
    EXPECT_EQ(Read(0x0500, length, 32), Pattern(32, 1));
}

TEST_F(UsbDeviceTest, ALostAnswerFrameFailsTheReadLeavesItsBytesAndTheRestIsStillRead) {
    m_emulator.SetMemory(0x0600, Pattern(64, 1));
    m_emulator.StallFrame(1, kFrameAttempts, true);

    int length = 64;
    const Bytes buffer = Read(0x0600, length, 64, false);

    Bytes expected = Pattern(64, 1);
    std::fill(expected.begin() + 8, expected.begin() + 16, kUntouched);
    EXPECT_EQ(buffer, expected);
    EXPECT_EQ(length, 64);
    EXPECT_EQ(m_emulator.Count(kEmuCommands), 2);
    EXPECT_EQ(m_emulator.Count(kEmuReadCalls), kFrameAttempts + 7);
}

// A program that ends while a read is under way abandons the device: from then on every
// exchange gives up before its next frame, so no command goes out any more, until the device is
// taken back.
TEST_F(UsbDeviceTest, AnAbandonedDeviceSendsNothingUntilItIsTakenBack) {
    m_device.m_abandon = true;
    int length = 256;
    std::vector<std::uint8_t> buffer(256);
    EXPECT_FALSE(m_device.ReadMemory(0x0000, buffer.data(), length));
    EXPECT_EQ(length, 0);
    length = 32;
    EXPECT_FALSE(m_device.WriteMemory(0x0100, buffer.data(), length));
    EXPECT_FALSE(m_device.WriteMemoryByte(0x1A, 0xAA));
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls), 0);
    EXPECT_EQ(m_emulator.Count(kEmuReadCalls), 0);

    m_device.m_abandon = false;
    length = 32;
    EXPECT_TRUE(m_device.ReadMemory(0x0100, buffer.data(), length));
}

TEST_F(UsbDeviceTest, ADataFrameIsTriedForExactlyTheGivenNumberOfAttempts) {
    const Bytes data = Pattern(32, 1);
    m_emulator.FailWrites(2, kFrameAttempts - 1);
    int length = 32;
    EXPECT_TRUE(m_device.WriteMemory(0x0700, data.data(), length));
    EXPECT_EQ(m_emulator.Memory(0x0700, 32), data);
}

TEST_F(UsbDeviceTest, ADataFrameThatCannotBeSentFailsTheWriteAndTheNextFramesAreStillSent) {
    const Bytes data = Pattern(32, 1);
    m_emulator.FailWrites(2, kFrameAttempts);
    int length = 32;
    EXPECT_FALSE(m_device.WriteMemory(0x0700, data.data(), length));
    EXPECT_EQ(m_emulator.Count(kEmuDataFrames), 3);
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls), 1 + kFrameAttempts + 3);
}

TEST_F(UsbDeviceTest, AMissingAcknowledgementFailsAByteWrite) {
    m_emulator.StallFrame(0, kFrameAttempts, true);
    EXPECT_FALSE(m_device.WriteMemoryByte(0x20, 0x01));
    EXPECT_EQ(m_emulator.Count(kEmuReadCalls), kFrameAttempts);
}

TEST_F(UsbDeviceTest, OpenLooksTheConsoleUpByItsIds) {
    EXPECT_FALSE(m_device.Open(kConsoleVendorId, kConsoleProductId + 1));
    EXPECT_FALSE(m_device.Open(kConsoleVendorId + 1, kConsoleProductId));
    EXPECT_TRUE(m_device.Open(kConsoleVendorId, kConsoleProductId));
}

TEST_F(UsbDeviceTest, AnUnpluggedConsoleIsForgottenAndNoLongerCalledUntilFoundAgain) {
    EXPECT_TRUE(m_device.CheckOpen());
    m_emulator.SetAttached(false);
    EXPECT_FALSE(m_device.CheckOpen());
    m_emulator.SetAttached(true);
    EXPECT_FALSE(m_device.CheckOpen()) << "the handle was forgotten";

    int length = 64;
    Read(0x0000, length, 64, false);
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(m_device.WriteMemoryByte(0x20, 1));
    EXPECT_EQ(m_emulator.Count(kEmuWriteCalls) + m_emulator.Count(kEmuReadCalls), 0);

    EXPECT_TRUE(m_device.Open(kConsoleVendorId, kConsoleProductId));
    EXPECT_TRUE(m_device.CheckOpen());
}

// One look for the console, with the console as the emulator plays it.
struct Look {
    const char* console; // "attached", "absent" or "refusing"
    const char* call;    // "Open" or "CheckOpen"
    bool result;
    ConsoleAbsence absence;
};

TEST_F(UsbDeviceTest, EachLookTellsAnAbsentConsoleFromOneThatCannotBeOpened) {
    const std::vector<Look> looks = {
        {"absent", "Open", false, ConsoleAbsence::kNotFound},
        {"refusing", "Open", false, ConsoleAbsence::kRefused},
        {"refusing", "CheckOpen", false, ConsoleAbsence::kNotFound},
        {"refusing", "Open", false, ConsoleAbsence::kRefused},
        {"attached", "Open", true, ConsoleAbsence::kNone},
        {"attached", "CheckOpen", true, ConsoleAbsence::kNone},
        {"absent", "CheckOpen", false, ConsoleAbsence::kNotFound},
        {"refusing", "Open", false, ConsoleAbsence::kRefused},
        {"absent", "Open", false, ConsoleAbsence::kNotFound},
    };
    int n = 0;
    for (const Look& look : looks) {
        SCOPED_TRACE(testing::Message()
                     << "look " << ++n << ": " << look.call << ", console " << look.console);
        m_emulator.SetAttached(std::string(look.console) != "absent");
        m_emulator.SetRefusing(std::string(look.console) == "refusing");
        const bool result = std::string(look.call) == "Open"
                                ? m_device.Open(kConsoleVendorId, kConsoleProductId)
                                : m_device.CheckOpen();
        EXPECT_EQ(result, look.result);
        EXPECT_EQ(m_device.Absence(), look.absence);
    }
}

// A console that cannot be opened counts only for the ids asked for.
TEST_F(UsbDeviceTest, AConsoleThatCannotBeOpenedIsNoneForOtherIds) {
    m_emulator.SetRefusing(true);
    EXPECT_FALSE(m_device.Open(kConsoleVendorId, kConsoleProductId + 1));
    EXPECT_EQ(m_device.Absence(), ConsoleAbsence::kNotFound);
}

TEST_F(UsbDeviceTest, TheSimulatedLinkIsThereWhenNoConsoleIsAttached) {
    m_emulator.SetAttached(false);
    ASSERT_FALSE(m_device.Open(kConsoleVendorId, kConsoleProductId));
    CSimulatedLink simulated;
    EXPECT_TRUE(simulated.Open(kConsoleVendorId, kConsoleProductId));
    EXPECT_EQ(simulated.Absence(), ConsoleAbsence::kNone);
    EXPECT_TRUE(simulated.IsSimulated());
    EXPECT_FALSE(m_device.IsSimulated());
}

TEST(UsbDeviceWithoutLibrary, EveryOperationFails) {
    SleepRecorder sleeps;
    CUsbDevice device("no-such-module.so");
    EXPECT_FALSE(device.Open(kConsoleVendorId, kConsoleProductId));
    EXPECT_EQ(device.Absence(), ConsoleAbsence::kNotFound);
    EXPECT_FALSE(device.CheckOpen());
    std::uint8_t buffer[32] = {};
    int length = 32;
    EXPECT_FALSE(device.ReadMemory(0, buffer, length));
    EXPECT_EQ(length, 0);
    length = 32;
    EXPECT_FALSE(device.WriteMemory(0, buffer, length));
    EXPECT_FALSE(device.WriteMemoryByte(0, 0));
}

} // namespace

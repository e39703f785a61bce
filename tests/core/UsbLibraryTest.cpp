#include "station/link/UsbDevice.h"
#include "tests/core/SleepRecorder.h"

#include <gtest/gtest.h>

namespace {

// The real USB library, on a machine where no device carries these ids: it loads, offers its
// operations, finds nothing and refuses frames, which the link reports as no console.
TEST(UsbLibrary, FindsNoConsoleWhereThereIsNoneAndRefusesFrames) {
    SleepRecorder sleeps;
    const ModuleHandle module = LoadModule(UsbModuleFileName());
    ASSERT_NE(module, nullptr);
    for (const char* name : {"FindHandle", "CheckHandle", "WriteData", "ReadData", "FindRefused"})
        EXPECT_NE(FindModuleSymbol(module, name), nullptr) << name;
    FreeModule(module);

    CUsbDevice device;
    EXPECT_FALSE(device.Open(0xFFFF, 0xFFFE));
    EXPECT_EQ(device.Absence(), ConsoleAbsence::kNotFound);
    EXPECT_FALSE(device.CheckOpen());
    std::uint8_t buffer[32] = {};
    int length = 32;
    EXPECT_FALSE(device.ReadMemory(0x0000, buffer, length));
    EXPECT_FALSE(device.WriteMemoryByte(0x1A, 0xAA));
}

} // namespace

#pragma once

#include "station/console/HistoryRing.h"
#include "station/link/WeatherComm.h"
#include "tests/emulator/EmulatorModule.h"

#include <array>
#include <cstdint>
#include <vector>

// History records for the console emulator's ring, told apart by their rain counters.
namespace ring {

using Bytes = std::vector<std::uint8_t>;

// A record with every value in range, `interval` minutes after the one before it.
inline Bytes Record(int interval, int rainCount) {
    return {static_cast<std::uint8_t>(interval),
            0x41,
            0xE3,
            0x00,
            0x3C,
            0x08,
            0x01,
            0x6A,
            0x27,
            0x60,
            0xCC,
            0x00,
            0x02,
            static_cast<std::uint8_t>(rainCount),
            static_cast<std::uint8_t>(rainCount >> 8),
            0x00,
            0xBB,
            0x00,
            0x01,
            0x0A};
}

// Fills the ring in the emulator, newest last: `records[i]` goes `records.size() - i` slots
// before `newest`, and the newest slot, still being filled, gets a record of its own.
inline void Lay(ConsoleEmulator& emulator, int newest, const std::vector<Bytes>& records) {
    const int count = static_cast<int>(records.size());
    for (int i = 0; i < count; ++i)
        emulator.SetMemory(HistorySlotBefore(newest, count - i), records[i]);
    emulator.SetMemory(newest, Record(5, 0xFFFF));
}

// The history pointer of the fixed block.
inline void SetPointer(ConsoleEmulator& emulator, int newest, int count) {
    emulator.SetMemory(0x1B,
                       {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8)});
    emulator.SetMemory(0x1E,
                       {static_cast<std::uint8_t>(newest), static_cast<std::uint8_t>(newest >> 8)});
}

// The console addresses of the read commands the emulator took in, in order.
inline std::vector<int> ReadAddresses(ConsoleEmulator& emulator) {
    std::vector<int> addresses;
    for (const Frame& frame : emulator.ReceivedFrames())
        if (frame[0] == 0xA1)
            addresses.push_back(frame[1] << 8 | frame[2]);
    return addresses;
}

} // namespace ring

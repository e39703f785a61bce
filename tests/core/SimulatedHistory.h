#pragma once

#include "station/console/HistoryRing.h"
#include "station/link/SimulatedConsole.h"

#include <cstdint>

// Sets the history pointer of the simulated console: `count` records, the newest of them, the
// one the console is filling, in slot `newestSlot` of the ring.
inline void SetSimulatedHistory(int count, int newestSlot) {
    const int newest = kHistoryFirstSlot + newestSlot * kHistoryRecordSize;
    const int words[][2] = {{0x1B, count}, {0x1E, newest}};
    for (const auto& [at, value] : words) {
        g_simMemory[at] = static_cast<std::uint8_t>(value);
        g_simMemory[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }
}

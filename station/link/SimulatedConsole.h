#pragma once

#include <cstddef>
#include <cstdint>

// The console that test mode serves instead of the USB link: its whole memory held in the
// program, filled from two templates, and a little alive: every read makes one more history
// record appear. Not thread-safe; the device-busy flag keeps its users apart, as for the link.

inline constexpr std::size_t kSimMemorySize = 0x10000;

extern std::uint8_t g_simMemory[kSimMemorySize];
// A set-up console's fixed block: metric units, 5-minute interval, one record at 0x0100.
extern const std::uint8_t g_simFixedBlockTemplate[256];
// Sixteen history records of 20 bytes, repeated over the whole ring.
extern const std::uint8_t g_simRecordTemplate[320];

// Lays the fixed-block template at 0x0000 and the record template 204 times from 0x0100 on.
void ResetSimulatedConsole();

// Copies `length` bytes at `address`, then advances the console: the record count grows by one
// and the newest-record address moves one slot on, from the last slot back to the first.
// False, with nothing copied or advanced, when the bytes do not lie within the memory.
bool ReadSimulatedMemory(int address, std::uint8_t* buffer, int length);

// Stores `length` bytes at `address`; false, with nothing stored, outside the memory.
bool WriteSimulatedMemory(int address, const std::uint8_t* buffer, int length);

#pragma once

// The console keeps its history as a ring of 20-byte records that fills its memory from 0x0100
// to the end. The fixed block names the newest slot, the one the console is still filling.

inline constexpr int kHistoryRecordSize = 20;
inline constexpr int kHistoryFirstSlot = 0x0100;
inline constexpr int kHistoryRingEnd = 0x10000;
inline constexpr int kHistoryLastSlot = kHistoryRingEnd - kHistoryRecordSize; // 0xFFEC
inline constexpr int kHistorySlotCount =
    (kHistoryRingEnd - kHistoryFirstSlot) / kHistoryRecordSize; // 3264

// Whether `address` is where a slot of the ring begins.
constexpr bool IsHistorySlot(int address) {
    return address >= kHistoryFirstSlot && address <= kHistoryLastSlot &&
           (address - kHistoryFirstSlot) % kHistoryRecordSize == 0;
}

// The slot `steps` places before the slot at `address` (after it, for negative steps), going
// round the ring: the slot before the first is the last.
constexpr int HistorySlotBefore(int address, int steps = 1) {
    const int index = (address - kHistoryFirstSlot) / kHistoryRecordSize;
    const int before =
        ((index - steps) % kHistorySlotCount + kHistorySlotCount) % kHistorySlotCount;
    return kHistoryFirstSlot + before * kHistoryRecordSize;
}

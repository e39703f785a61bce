#pragma once

#include <array>
#include <cstdint>

// The console's frame protocol: everything travels in 8-byte frames. A command frame carries
// its code, the big-endian address and the block length, and repeats those four bytes; a read
// command is answered by four frames holding the 32 bytes at the address, a write command is
// followed by four data frames and answered by an acknowledgement, and so is a write-byte.

inline constexpr int kFrameSize = 8;
inline constexpr int kBlockSize = 32;
inline constexpr int kFramesPerBlock = kBlockSize / kFrameSize;

using Frame = std::array<std::uint8_t, kFrameSize>;

inline constexpr std::uint8_t kWriteBlockCommand = 0xA0;
inline constexpr std::uint8_t kReadBlockCommand = 0xA1;
inline constexpr std::uint8_t kWriteByteCommand = 0xA2;
// Every byte of an acknowledgement frame.
inline constexpr std::uint8_t kAcknowledgeByte = 0xA5;

// The console answers when it is ready; a frame is asked for this often, back to back, before
// it counts as lost (one attempt and 0x60000 more).
inline constexpr long kFrameAttempts = 0x60001;

// The read or write command for the 32-byte block at `address` (taken modulo 65536).
constexpr Frame BlockCommandFrame(std::uint8_t command, int address) {
    const auto hi = static_cast<std::uint8_t>(address >> 8);
    const auto lo = static_cast<std::uint8_t>(address);
    return {command, hi, lo, kBlockSize, command, hi, lo, kBlockSize};
}

// The command that stores the low 8 bits of `value` at `address`.
constexpr Frame WriteByteFrame(int address, int value) {
    const auto hi = static_cast<std::uint8_t>(address >> 8);
    const auto lo = static_cast<std::uint8_t>(address);
    return {kWriteByteCommand,
            hi,
            lo,
            kBlockSize,
            kWriteByteCommand,
            static_cast<std::uint8_t>(value),
            0x00,
            kBlockSize};
}

constexpr Frame AcknowledgeFrame() {
    Frame frame{};
    frame.fill(kAcknowledgeByte);
    return frame;
}

#pragma once

#include "station/console/FixedBlockCodec.h"
#include "station/link/SimulatedConsole.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

using FixedBlock = std::array<std::uint8_t, kFixedBlockSize>;

// The fixed block of the simulated console: interval 5 min, °C, mm, hPa, km/h, zone +1, one
// record at 0x0100, pressures 10132 and 10095, every min/max time 2007-01-01 12:00.
inline const FixedBlock kSimulatedBlock = [] {
    FixedBlock block;
    std::copy(std::begin(g_simFixedBlockTemplate), std::end(g_simFixedBlockTemplate),
              block.begin());
    return block;
}();

inline FixedBlock WithBytes(FixedBlock block, std::size_t offset,
                            std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t byte : bytes)
        block[offset++] = byte;
    return block;
}

inline CWeatherSettings Decoded(const FixedBlock& block, int part = kWholeBlock, bool raw = true) {
    CWeatherSettings settings;
    DecodeFixedBlock(block.data(), settings, part, raw);
    return settings;
}

inline FixedBlock Encoded(CWeatherSettings settings, int part = kWholeBlock, bool raw = false) {
    FixedBlock block{};
    EncodeFixedBlock(settings, block.data(), part, raw);
    return block;
}

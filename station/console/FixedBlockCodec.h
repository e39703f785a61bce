#pragma once

#include "station/console/WeatherSet.h"

#include <cstdint>

// Decodes `part` of the block read from console address 0x00 into `settings` (for the basic
// area the first 32 bytes suffice). The value texts are written in any mode; with `raw` the
// companions and the area dumps too. Fields outside the part keep their values. False, and
// nothing decoded, for a missing block or an unknown part.
bool DecodeFixedBlock(const std::uint8_t* block, CWeatherSettings& settings, int part, bool raw);

// Encodes `part` of `settings` into `block`, which the caller clears to zero: bit fields are
// ORed in and an empty reserved text writes nothing. With `raw` the companions and dumps of the
// part are refreshed from the bytes just written, so a debug text shows what goes to the
// console. The texts are left as they are. False, and nothing written, for a missing block or
// an unknown part.
bool EncodeFixedBlock(CWeatherSettings& settings, std::uint8_t* block, int part, bool raw);

#pragma once

#include "station/console/HistoryRing.h"
#include "station/console/WeatherRecord.h"

#include <cstdint>
#include <span>

// The bytes of one history record as the console stores them.
using HistoryRecordBytes = std::span<const std::uint8_t, kHistoryRecordSize>;

// Decodes one history record into `record`, in console units: every field's hex text and raw
// integer, whatever its value, and its value text ("%d") only while the value lies in the
// field's range; a value out of range leaves the text as it was ("---" in a fresh record). Also
// the 20 bytes as hex text and the eight flag texts.
// Returns the verdict: false when a humidity or a temperature holds neither a value in range
// nor the console's "no value" code, as when the console was caught writing the record.
bool DecodeHistoryRecord(HistoryRecordBytes bytes, CWeatherRecord& record);

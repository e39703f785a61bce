#pragma once

#include "station/DataFileSession.h"
#include "station/RecordTimeSpan.h"
#include "station/WeatherRecord.h"

#include <functional>
#include <optional>

// Reads the store's lines in file order into one record that is never reset between lines: a
// line with fewer fields than a full one leaves the other fields as the lines before it left
// them. After each line whose record time lies in `span` (after every line, without a span)
// the record is handed to `take`.
//
// `begin` is called when the file holds at least one line, before any record is handed over,
// with the number of records that can follow at most (for reserving room).
// An empty file or a closed store calls neither `begin` nor `take`. False when a read error
// cut the file short (the records before it have been handed over).
//
// With a span, only the parts of the file the session's index names are read, and there only
// the lines inside the span are parsed; the others are recognised by their time field alone.
// Should a line inside the span lack fields that a passed-over line would have left it (a torn
// or hand-edited line), the scan starts again and parses every line of those parts: `begin` is
// then called a second time, and every record is handed over anew. The records handed over are
// those a reading of every line from the start of the file would hand over.
bool ScanStoredRecords(DataFileSession& session, const std::optional<RecordTimeSpan>& span,
                       const std::function<void(std::size_t records)>& begin,
                       const std::function<void(const CWeatherRecord&)>& take);

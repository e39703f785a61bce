#pragma once

#include "station/WeatherRecord.h"
#include "store/FDB.h"

#include <functional>
#include <optional>
#include <string_view>

// A span of record times, both ends included. Times are compared as texts, byte by byte, so an
// end shorter than a record time ("2024-03-05") lies before every record of that date.
struct RecordTimeSpan {
    std::string_view start;
    std::string_view end;

    bool Contains(std::string_view time) const { return time >= start && time <= end; }
};

// Reads the store's lines in file order into one record that is never reset between lines: a
// line with fewer fields than a full one leaves the other fields as the lines before it left
// them. After each line whose record time lies in `span` (after every line, without a span)
// the record is handed to `take`.
//
// `begin` is called when the file holds at least one line, before any record is handed over.
// Returns the number of lines read; 0 for an empty file or a closed store, which calls
// neither `begin` nor `take`; CFdb::kReadFailed when a read error cut the file short (the
// records before it have been handed over).
//
// With a span, only the lines inside it are parsed; the others are recognised by their time
// field alone. Should a line inside the span lack fields that a passed-over line would have
// left it (a torn or hand-edited line), the scan starts again and parses every line: `begin`
// is then called a second time, and every record is handed over anew.
int ScanStoredRecords(const CFdb& store, const std::optional<RecordTimeSpan>& span,
                      const std::function<void()>& begin,
                      const std::function<void(const CWeatherRecord&)>& take);

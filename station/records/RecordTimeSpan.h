#pragma once

#include <string_view>

// A span of record times, both ends included. Times are compared as texts, byte by byte, so an
// end shorter than a record time ("2024-03-05") lies before every record of that date.
struct RecordTimeSpan {
    std::string_view start;
    std::string_view end;

    bool Contains(std::string_view time) const { return time >= start && time <= end; }
    // Whether any time from `low` to `high` (both included) lies in the span.
    bool Overlaps(std::string_view low, std::string_view high) const {
        return high >= start && low <= end;
    }
};

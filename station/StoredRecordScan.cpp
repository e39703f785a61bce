#include "station/StoredRecordScan.h"

#include "station/RecordLineReader.h"

#include <array>

namespace {

// One pass over the lines. With `skipOutside`, lines outside the span are passed over
// unparsed; the pass fails (returns false) when a line inside the span then turns out to
// depend on a line passed over.
bool ScanPass(const CFdb& store, const std::optional<RecordTimeSpan>& span, bool skipOutside,
              const std::function<void()>& begin,
              const std::function<void(const CWeatherRecord&)>& take, int& lines) {
    CWeatherRecord record;
    // Whether `record` holds what every line so far has left in it.
    bool current = true;
    bool lost = false;
    bool begun = false;
    lines = store.ForEachLine([&](std::string_view line) {
        if (lost)
            return;
        if (!begun) {
            begun = true;
            begin();
        }
        if (skipOutside) {
            std::array<std::string_view, kRecordTimePiece + 1> head;
            const bool ownTime = SplitRecordLine(line, head) == head.size();
            // A line without a time of its own keeps the time of the last line that had one.
            // When the record is not current, that line was passed over, so it lay outside the
            // span, and this one does as well.
            if (ownTime ? !span->Contains(head[kRecordTimePiece]) : !current) {
                current = false;
                return;
            }
        }
        const int pieces = record.ParseRecordLine(line);
        if (!current && pieces < static_cast<int>(kRecordLineReadPieces)) {
            lost = true;
            return;
        }
        current = true;
        if (!span || span->Contains(record.recordTime))
            take(record);
    });
    return !lost;
}

} // namespace

int ScanStoredRecords(const CFdb& store, const std::optional<RecordTimeSpan>& span,
                      const std::function<void()>& begin,
                      const std::function<void(const CWeatherRecord&)>& take) {
    int lines = 0;
    if (!ScanPass(store, span, span.has_value(), begin, take, lines))
        ScanPass(store, span, false, begin, take, lines);
    return lines;
}

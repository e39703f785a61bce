#include "station/StoredRecordScan.h"

#include "station/RecordLineReader.h"

#include <array>

namespace {

using Regions = std::vector<RecordBlockIndex::Region>;

// One pass over the lines of `regions`, each read by a fresh record. With `skipOutside`, lines
// outside the span are passed over unparsed; the pass is `lost` when a line inside the span
// then turns out to depend on a line passed over. False on a read error.
bool ScanPass(const CFdb& store, const Regions& regions, const RecordTimeSpan& span,
              bool skipOutside, bool& begun, const std::function<void()>& begin,
              const std::function<void(const CWeatherRecord&)>& take, bool& lost) {
    for (const RecordBlockIndex::Region& region : regions) {
        CWeatherRecord record;
        // Whether `record` holds what every line so far has left in it.
        bool current = true;
        const int read =
            store.ForEachLineBetween(region.from, region.to, [&](std::string_view line, LineEnd) {
                if (!begun) {
                    begun = true;
                    begin();
                }
                if (skipOutside) {
                    std::array<std::string_view, kRecordTimePiece + 1> head;
                    const bool ownTime = SplitRecordLine(line, head) == head.size();
                    // A line without a time of its own keeps the time of the last line that had
                    // one. When the record is not current, that line was passed over, so it lay
                    // outside the span, and this one does as well.
                    if (ownTime ? !span.Contains(head[kRecordTimePiece]) : !current) {
                        current = false;
                        return true;
                    }
                }
                const int pieces = record.ParseRecordLine(line);
                if (!current && pieces < static_cast<int>(kRecordLineReadPieces)) {
                    lost = true;
                    return false;
                }
                current = true;
                if (span.Contains(record.recordTime))
                    take(record);
                return true;
            });
        if (read == CFdb::kReadFailed)
            return false;
        if (lost)
            return true;
    }
    return true;
}

bool ScanSpan(DataFileSession& session, const RecordTimeSpan& span,
              const std::function<void(std::size_t)>& begin,
              const std::function<void(const CWeatherRecord&)>& take) {
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    const Regions regions = index.RegionsFor(span);
    long long lines = 0;
    for (const RecordBlockIndex::Region& region : regions)
        lines += region.endLine - region.firstLine;
    const auto beginPass = [&] { begin(static_cast<std::size_t>(lines)); };
    for (const bool skipOutside : {true, false}) {
        bool begun = index.Lines() > 0;
        if (begun)
            beginPass();
        bool lost = false;
        if (!ScanPass(session.Store(), regions, span, skipOutside, begun, beginPass, take, lost))
            return false;
        if (!lost)
            return true;
    }
    return true;
}

} // namespace

bool ScanStoredRecords(DataFileSession& session, const std::optional<RecordTimeSpan>& span,
                       const std::function<void(std::size_t records)>& begin,
                       const std::function<void(const CWeatherRecord&)>& take) {
    if (span)
        return ScanSpan(session, *span, begin, take);
    // The index counts the lines (and serves the range reads after this one).
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    CWeatherRecord record;
    bool begun = false;
    return session.Store().ForEachLine([&](std::string_view line) {
        if (!begun) {
            begun = true;
            begin(static_cast<std::size_t>(index.Lines() + 1));
        }
        record.ParseRecordLine(line);
        take(record);
    }) != CFdb::kReadFailed;
}

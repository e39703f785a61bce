#include "station/StoredRecordScan.h"

#include "station/RecordFieldReader.h"

namespace {

bool ScanSpan(DataFileSession& session, const RecordTimeSpan& span,
              const std::function<void(std::size_t)>& begin,
              const std::function<void(const RecordFieldViews&)>& take) {
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    const std::vector<RecordBlockIndex::Region> regions = index.RegionsFor(span);
    long long lines = 0;
    for (const RecordBlockIndex::Region& region : regions)
        lines += region.endLine - region.firstLine;
    bool begun = false;
    for (const RecordBlockIndex::Region& region : regions) {
        // Each region starts where a fresh record reads as one that read every line before.
        RecordFieldReader record;
        const int read = session.Store().ForEachLineBetween(
            region.from, region.to, [&](std::string_view line, LineEnd) {
                if (!begun) {
                    begun = true;
                    begin(static_cast<std::size_t>(lines));
                }
                record.Read(line);
                if (span.Contains(record[kRecordTimePiece]))
                    take(record.Fields());
                return true;
            });
        if (read == CFdb::kReadFailed)
            return false;
    }
    return true;
}

} // namespace

bool ScanStoredRecords(DataFileSession& session, const std::optional<RecordTimeSpan>& span,
                       const std::function<void(std::size_t records)>& begin,
                       const std::function<void(const RecordFieldViews&)>& take) {
    if (span)
        return ScanSpan(session, *span, begin, take);
    // The index counts the lines (and serves the range reads after this one).
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    RecordFieldReader record;
    bool begun = false;
    return session.Store().ForEachLine([&](std::string_view line) {
        if (!begun) {
            begun = true;
            begin(static_cast<std::size_t>(index.Lines() + 1));
        }
        record.Read(line);
        take(record.Fields());
    }) != CFdb::kReadFailed;
}

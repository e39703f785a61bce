#include "station/records/StoredRecordScan.h"

#include "station/threads/WorkerPool.h"

#include <algorithm>
#include <atomic>

namespace {

using Region = RecordBlockIndex::Region;

// Reads the lines of one region, each into fresh fields. `first` is called before the
// region's first line. False on a read error.
bool ScanRegion(const CFdb& store, const Region& region, const RecordTimeSpan& span,
                const std::function<void()>& first,
                const std::function<void(const RecordFieldViews&)>& take) {
    RecordFieldViews fields;
    bool begun = false;
    return store.ForEachLineBetween(region.from, region.to, [&](std::string_view line, LineEnd) {
        if (!begun) {
            begun = true;
            first();
        }
        if (ReadRecordFields(line, fields) && span.Contains(fields[kRecordTimePiece]))
            take(fields);
        return true;
    }) != CFdb::kReadFailed;
}

bool ScanSpan(DataFileSession& session, const RecordTimeSpan& span,
              const std::function<void(std::size_t)>& begin,
              const std::function<void(const RecordFieldViews&)>& take) {
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    const std::vector<Region> regions = index.RegionsFor(span);
    long long records = 0;
    for (const Region& region : regions)
        records += region.endRecord - region.firstRecord;
    bool begun = false;
    const auto first = [&] {
        if (!begun) {
            begun = true;
            begin(static_cast<std::size_t>(records));
        }
    };
    // A file of lines is told even when no part of it can hold the span.
    if (index.HasLines())
        first();
    return std::all_of(regions.begin(), regions.end(), [&](const Region& region) {
        return ScanRegion(session.Store(), region, span, first, take);
    });
}

} // namespace

bool ScanStoredRecords(DataFileSession& session, const std::optional<RecordTimeSpan>& span,
                       const std::function<void(std::size_t records)>& begin,
                       const std::function<void(const RecordFieldViews&)>& take) {
    if (span)
        return ScanSpan(session, *span, begin, take);
    // The index counts the records (and serves the range reads after this one).
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    RecordFieldViews fields;
    bool begun = false;
    return session.Store().ForEachLine([&](std::string_view line) {
        if (!begun) {
            begun = true;
            begin(static_cast<std::size_t>(index.Records() + 1));
        }
        if (ReadRecordFields(line, fields))
            take(fields);
    }) != CFdb::kReadFailed;
}

bool ScanStoredRecordsInParts(DataFileSession& session, const RecordTimeSpan& span, off_t partBytes,
                              const std::function<void(const std::vector<std::size_t>&)>& begin,
                              const std::function<void(std::size_t, const RecordFieldViews&)>& take,
                              bool& anyLine) {
    anyLine = false;
    RecordBlockIndex& index = session.Index();
    if (!index.Update(session.Store()))
        return false;
    const std::vector<Region> regions = index.RegionsFor(span, partBytes);
    std::vector<std::size_t> most;
    for (const Region& region : regions)
        most.push_back(static_cast<std::size_t>(region.endRecord - region.firstRecord));
    begin(most);
    std::atomic<bool> lines = index.HasLines();
    std::atomic<bool> whole = true;
    WorkerPool::Shared().Run(regions.size(), [&](std::size_t part) {
        const bool read = ScanRegion(
            session.Store(), regions[part], span, [&] { lines = true; },
            [&](const RecordFieldViews& fields) { take(part, fields); });
        if (!read)
            whole = false;
    });
    anyLine = lines;
    return whole;
}

#include "station/records/RecordBlockIndex.h"

#include "station/records/RecordLineFields.h"

#include <algorithm>
#include <optional>

namespace {

// Small enough that a week's read parses few lines beyond the week, large enough that the
// index of a million lines stays small and quick to search.
constexpr off_t kBlockBytes = 32 << 10;

} // namespace

bool RecordBlockIndex::IsCurrent(const CFdb& store) const {
    FileState state;
    return store.ReadState(state) && m_path == store.Path() && m_state == state;
}

bool RecordBlockIndex::Update(const CFdb& store) {
    FileState state;
    if (!store.ReadState(state)) {
        Invalidate();
        return true;
    }
    if (m_path != store.Path() || m_state != state || state.size < m_covered) {
        Invalidate();
        m_path = store.Path();
    }
    if (state.size > m_covered) {
        // Lines without their line end stay out: a torn last line may still grow or go.
        const int read =
            store.ForEachLineBetween(m_covered, -1, [&](std::string_view line, LineEnd end) {
                if (end.ended)
                    Add(line, end.next);
                return end.ended;
            });
        if (read == CFdb::kReadFailed) {
            Invalidate();
            return false;
        }
    }
    m_state = state;
    return true;
}

void RecordBlockIndex::AcceptAppend(const CFdb& store, bool wasCurrent) {
    if (!wasCurrent || !store.ReadState(m_state))
        Invalidate();
}

void RecordBlockIndex::Invalidate() {
    m_path.clear();
    m_state = {};
    m_blocks.clear();
    m_groups.clear();
    m_covered = 0;
    m_records = 0;
}

void RecordBlockIndex::Add(std::string_view line, off_t next) {
    if (m_blocks.empty() || m_blocks.back().end - m_blocks.back().begin >= kBlockBytes)
        m_blocks.push_back({m_covered, next, {}, {}, false, m_records, 0});
    if (m_groups.size() * kGroupBlocks < m_blocks.size())
        m_groups.emplace_back();
    Block& block = m_blocks.back();
    block.end = next;
    m_covered = next;
    const std::optional<RecordKey> record = ReadRecordKey(line);
    if (!record)
        return;
    // The block's times, then its run's.
    const auto widen = [&](auto& times) {
        if (!times.hasRecords) {
            times.minTime = times.maxTime = record->time;
            times.hasRecords = true;
        } else if (record->time < times.minTime) {
            times.minTime = record->time;
        } else if (record->time > times.maxTime) {
            times.maxTime = record->time;
        }
    };
    widen(block);
    widen(m_groups.back());
    ++block.records;
    ++m_records;
}

std::vector<RecordBlockIndex::Region> RecordBlockIndex::RegionsFor(const RecordTimeSpan& span,
                                                                   off_t partBytes) const {
    std::vector<Region> regions;
    const auto read = [&](off_t from, off_t to, long long firstRecord, long long endRecord) {
        const bool full = partBytes > 0 && !regions.empty() && from == regions.back().to &&
                          regions.back().to - regions.back().from >= partBytes;
        if (!regions.empty() && from <= regions.back().to && !full) {
            regions.back().to = to;
            regions.back().endRecord = endRecord;
        } else {
            regions.push_back({from, to, firstRecord, endRecord});
        }
    };
    for (std::size_t group = 0; group < m_groups.size(); ++group) {
        const Group& times = m_groups[group];
        if (!times.hasRecords || !span.Overlaps(times.minTime, times.maxTime))
            continue;
        const std::size_t last = std::min(m_blocks.size(), (group + 1) * kGroupBlocks);
        for (std::size_t index = group * kGroupBlocks; index < last; ++index) {
            const Block& block = m_blocks[index];
            if (block.hasRecords && span.Overlaps(block.minTime, block.maxTime))
                read(block.begin, block.end, block.firstRecord, block.firstRecord + block.records);
        }
    }
    // Whatever follows the covered lines (a torn last line, the only line the index leaves
    // out) is read.
    read(m_covered, -1, m_records, m_records + 1);
    return regions;
}

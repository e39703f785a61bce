#include "station/records/RecordBlockIndex.h"

#include "station/records/RecordLineReader.h"

#include <algorithm>
#include <array>

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
    m_lines = 0;
    m_carriedTime.clear();
}

void RecordBlockIndex::Add(std::string_view line, off_t next) {
    std::array<std::string_view, kRecordLineReadPieces> pieces;
    const bool newBlock =
        m_blocks.empty() || m_blocks.back().end - m_blocks.back().begin >= kBlockBytes;
    // Only the first line of a block needs all its fields read; the others need their time.
    const std::size_t wanted = newBlock ? pieces.size() : kRecordTimePiece + 1;
    const std::size_t count = SplitRecordLine(line, std::span(pieces.data(), wanted));
    if (count > kRecordTimePiece)
        m_carriedTime.assign(pieces[kRecordTimePiece]);
    if (newBlock) {
        const std::size_t index = m_blocks.size();
        const bool whole = count == pieces.size();
        m_blocks.push_back({m_covered,
                            next,
                            {},
                            {},
                            false,
                            whole || index == 0 ? index : m_blocks.back().resync,
                            m_lines,
                            0});
    }
    if (m_groups.size() * kGroupBlocks < m_blocks.size())
        m_groups.emplace_back();
    // The block's times, then its run's.
    const auto widen = [&](auto& times) {
        if (!times.hasLines) {
            times.minTime = times.maxTime = m_carriedTime;
            times.hasLines = true;
        } else if (m_carriedTime < times.minTime) {
            times.minTime = m_carriedTime;
        } else if (m_carriedTime > times.maxTime) {
            times.maxTime = m_carriedTime;
        }
    };
    Block& block = m_blocks.back();
    widen(block);
    widen(m_groups.back());
    block.end = next;
    ++block.lines;
    m_covered = next;
    ++m_lines;
}

std::vector<RecordBlockIndex::Region> RecordBlockIndex::RegionsFor(const RecordTimeSpan& span,
                                                                   off_t partBytes) const {
    std::vector<Region> regions;
    const auto read = [&](const Block& first, off_t to, long long endLine) {
        const bool full = partBytes > 0 && !regions.empty() && first.begin == regions.back().to &&
                          regions.back().to - regions.back().from >= partBytes;
        if (!regions.empty() && first.begin <= regions.back().to && !full) {
            regions.back().to = to;
            regions.back().endLine = endLine;
        } else {
            regions.push_back({first.begin, to, first.firstLine, endLine});
        }
    };
    for (std::size_t group = 0; group < m_groups.size(); ++group) {
        const Group& times = m_groups[group];
        if (!times.hasLines || !span.Overlaps(times.minTime, times.maxTime))
            continue;
        const std::size_t last = std::min(m_blocks.size(), (group + 1) * kGroupBlocks);
        for (std::size_t index = group * kGroupBlocks; index < last; ++index) {
            const Block& block = m_blocks[index];
            if (block.hasLines && span.Overlaps(block.minTime, block.maxTime))
                read(m_blocks[block.resync], block.end, block.firstLine + block.lines);
        }
    }
    // Whatever follows the covered lines (a torn last line, the only line the index leaves
    // out) is read, from where its record is known.
    const Block start =
        m_blocks.empty() ? Block{0, 0, {}, {}, false, 0, 0, 0} : m_blocks[m_blocks.back().resync];
    read(start, -1, m_lines + 1);
    return regions;
}

#pragma once

#include "station/records/RecordTimeSpan.h"
#include "store/FDB.h"

#include <string>
#include <vector>

// Where in the data file the records of a time span can lie, so that a range read reads only
// those parts. The file is cut into blocks of whole lines, each with the smallest and largest
// record time of the records its lines hold (lines that hold no record do not count). Nothing
// is assumed of the order of the times: a block is read whenever its times reach into the span.
//
// Built on the first read of a file, extended over the lines appended since, and built anew
// when the file is another or was changed by anyone but AppendRecords. The index covers the
// lines that have their line end; a torn last line is always read. One instance serves the data
// file, used only inside a DataFileSession.
class RecordBlockIndex {
public:
    // A part of the file to read: from a line start to `to` (-1: the end of the file), and the
    // numbers of the records its lines hold, counted from the first of the file, `endRecord`
    // excluded (one more than the index knows of for a part that runs to the end).
    struct Region {
        off_t from;
        off_t to;
        long long firstRecord;
        long long endRecord;
    };

    // Brings the index up to the store's file. False when a read error stopped it (the index is
    // then empty and built anew next time).
    bool Update(const CFdb& store);
    // Whether the index describes the store's file as it stands.
    bool IsCurrent(const CFdb& store) const;
    // After this program appended to the file (a file the index was current for before, as
    // `wasCurrent` tells): the lines the index covers are unchanged, the next Update reads only
    // what was appended. Otherwise the index is dropped.
    void AcceptAppend(const CFdb& store, bool wasCurrent);
    // Forgets everything: the next Update builds the index anew.
    void Invalidate();

    // The parts of the file, in file order, that hold every record whose time can lie in the
    // span. With `partBytes`, a part grown to that size ends at the end of a block, so that
    // parts can be read side by side. Only after Update.
    std::vector<Region> RegionsFor(const RecordTimeSpan& span, off_t partBytes = 0) const;
    // The records the lines the index covers hold.
    long long Records() const { return m_records; }
    // Whether the index covers a non-blank line.
    bool HasLines() const { return !m_blocks.empty(); }

private:
    struct Block {
        off_t begin;
        off_t end;
        std::string minTime;
        std::string maxTime;
        bool hasRecords = false;
        long long firstRecord = 0; // records before the block
        long long records = 0;
    };

    // The smallest and largest time of a run of kGroupBlocks blocks: a span is looked for in
    // the blocks of the runs that can hold it, so that a short span of a long file costs few
    // comparisons of times.
    struct Group {
        std::string minTime;
        std::string maxTime;
        bool hasRecords = false;
    };
    static constexpr std::size_t kGroupBlocks = 64;

    void Add(std::string_view line, off_t next);

    std::string m_path;
    FileState m_state;
    std::vector<Block> m_blocks;
    std::vector<Group> m_groups;
    off_t m_covered = 0; // offset past the last line the index covers
    long long m_records = 0;
};

#pragma once

#include "station/records/RecordLineFields.h"

#include <array>
#include <string>
#include <string_view>

// The fields of one record that reads the data file's lines in turn, as ParseRecordLine fills
// it, without building the record: the fields a line holds are views of its pieces, and a field
// the line lacks keeps what the lines before it left there (at first, a fresh record's text).
// A scan hands a reader's fields on instead of copying 39 texts into a record per line.
class RecordFieldReader {
public:
    RecordFieldReader();
    RecordFieldReader(const RecordFieldReader&) = delete;
    RecordFieldReader& operator=(const RecordFieldReader&) = delete;

    // Takes the next line, by the rule of RecordLineReader, and returns how many of the fields a
    // record reads back it held (at most kRecordLineReadPieces). The fields stay valid until the
    // next call, whatever becomes of the caller's copy of the line.
    std::size_t Read(std::string_view line);

    const RecordFieldViews& Fields() const { return m_fields; }
    std::string_view operator[](std::size_t piece) const { return m_fields[piece]; }

private:
    RecordFieldViews m_fields;
    // Fields carried past the line they came from, and whether each field is one of them.
    std::array<std::string, kRecordLineReadPieces> m_carried;
    std::array<bool, kRecordLineReadPieces> m_isCarried;
    // The last two lines: the fields of the line before point into one while the next is read.
    std::array<std::string, 2> m_lines;
    std::size_t m_lineSlot = 0;
};

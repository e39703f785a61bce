#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The reading rule of a data-file line, without building a record and without allocating:
// pieces are cut at each comma and trimmed of white space (blank, tab, CR, LF, VT, FF) at both
// ends. An empty piece (nothing at all between two commas, or the end of the line) ends the
// reading, so nothing after it counts; a piece of blanks only is not empty and counts.
class RecordLineReader {
public:
    explicit RecordLineReader(std::string_view line) : m_rest(line) {}

    // The next piece, trimmed; false once the reading has ended.
    bool Next(std::string_view& piece) {
        const std::size_t comma = m_rest.find(',');
        const std::string_view raw = m_rest.substr(0, comma);
        if (raw.empty()) {
            m_rest = {};
            return false;
        }
        m_rest = comma == std::string_view::npos ? std::string_view{} : m_rest.substr(comma + 1);
        piece = Trim(raw);
        return true;
    }

private:
    static std::string_view Trim(std::string_view text) {
        constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
        const std::size_t first = text.find_first_not_of(kWhiteSpace);
        if (first == std::string_view::npos) {
            return {};
        }
        return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
    }

    std::string_view m_rest;
};

// Positions of the pieces a record layer looks at without reading the whole line.
inline constexpr std::size_t kRecordNoPiece = 0;
inline constexpr std::size_t kRecordTimePiece = 2;
// A record reads the first 39 pieces; the 40th, the newest-record address, is never read back.
inline constexpr std::size_t kRecordLineReadPieces = 39;

// Reads at most pieces.size() pieces of `line` into `pieces` and returns how many it read; the
// views point into `line`. It stops as soon as the span is full.
inline std::size_t SplitRecordLine(std::string_view line, std::span<std::string_view> pieces) {
    RecordLineReader reader(line);
    std::size_t count = 0;
    while (count < pieces.size() && reader.Next(pieces[count])) {
        ++count;
    }
    return count;
}

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
    explicit RecordLineReader(std::string_view line)
        : m_next(line.data()), m_end(line.data() + line.size()) {}

    // The next piece, trimmed; false once the reading has ended.
    bool Next(std::string_view& piece) {
        // Plain loops: pieces are a few characters long, too short for library searches to pay.
        const char* comma = m_next;
        while (comma != m_end && *comma != ',') {
            ++comma;
        }
        if (comma == m_next) {
            m_next = m_end;
            return false;
        }
        const char* first = m_next;
        m_next = comma == m_end ? m_end : comma + 1;
        while (first != comma && IsWhiteSpace(*first)) {
            ++first;
        }
        const char* last = comma;
        while (last != first && IsWhiteSpace(last[-1])) {
            --last;
        }
        piece = std::string_view(first, static_cast<std::size_t>(last - first));
        return true;
    }

    // The white space trimmed from pieces: blank, tab, LF, VT, FF and CR.
    static bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

private:
    const char* m_next;
    const char* m_end;
};

// Positions of the pieces a record layer looks at without reading the whole line.
inline constexpr std::size_t kRecordNoPiece = 0;
inline constexpr std::size_t kRecordTimePiece = 2;
inline constexpr std::size_t kRecordRainMmPiece = 19;
// A record reads the first 39 pieces; the 40th, the newest-record address, is never read back.
inline constexpr std::size_t kRecordLineReadPieces = 39;
// A line as the record layer writes it has this many fields.
inline constexpr std::ptrdiff_t kRecordLineFields = 40;

// Reads at most pieces.size() pieces of `line` into `pieces`, by the rule of RecordLineReader,
// and returns how many it read; the views point into `line`. It stops as soon as the span is
// full. Lines of up to a kilobyte (every line the record layer writes) are cut at their commas
// and trimmed by bit masks of a whole word of characters at a time, without a branch per
// character; longer ones are read by RecordLineReader.
std::size_t SplitRecordLine(std::string_view line, std::span<std::string_view> pieces);

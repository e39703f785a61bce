#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <sys/types.h>

// Lines of a text file, read in big blocks through a file descriptor.
//
// A line is the text before its line end (LF, or CR LF) without that end; a last line that
// has no line end counts when it is not empty. Lines have no length limit: a line longer
// than the block is gathered over as many blocks as it spans. The views handed to `visit` are valid
// only during the call. A block size below 1 counts as 1.

// Every line from the start of the file to its end. False when a read error stopped the scan
// before the end: the lines before the error have been visited, the rest of the file has not,
// so a caller must not take what it saw for the whole file.
bool ScanLinesForward(int fd, std::size_t blockSize,
                      const std::function<void(std::string_view line)>& visit);

// Where a line ends: the file offset just past it (past its line end, when it has one), and
// whether it has a line end at all (only the last line of a file may have none).
struct LineEnd {
    off_t next;
    bool ended;
};

// Every line that begins at or after `from` (a line start) and before `to` (-1: the end of the
// file), in file order, with where it ends; a line that begins before `to` is read whole, past
// `to` if need be. Stops as soon as `visit` returns false. True when the scan ended that way or
// ran through; false when a read error stopped it first.
bool ScanLinesBetween(int fd, off_t from, off_t to, std::size_t blockSize,
                      const std::function<bool(std::string_view line, LineEnd end)>& visit);

// Every line from the end of the file (`size` bytes long) towards its start, the last line
// first, reading only as far back as the lines visited; stops as soon as `visit` returns
// false. True when the scan ended that way or at the start of the file; false when a read
// error stopped it first, so that a caller does not take the lines it saw for the whole story.
bool ScanLinesBackward(int fd, off_t size, std::size_t blockSize,
                       const std::function<bool(std::string_view line)>& visit);

// The text without white space (space, tab, CR, LF, vertical tab, form feed) at either end.
// A line whose trimmed text is empty is blank.
std::string_view TrimBlanks(std::string_view text);

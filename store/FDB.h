#pragma once

#include "platform/FileDescriptor.h"
#include "store/LineScan.h"

#include <atomic>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What tells one state of a file from another without reading it: which file it is, its
// length and the times of its last change. A program that changes a file leaves another state,
// unless it keeps the length and changes it within one tick of the file system's clock.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    long long changedNs = 0;

    friend bool operator==(const FileState&, const FileState&) = default;
};

// A list of text lines kept in one text file; it knows nothing of what the lines mean.
//
// On disk every line ends in CR LF: writers copy the caller's text as it is, except that
// each "\n" goes out as CR LF, and callers end every line with "\n". Lines read back come
// without their line end, which may be CR LF or a lone LF. A line is blank when nothing but
// white space (space, tab, CR, LF, vertical tab, form feed) is in it; readers skip blank
// lines: they are neither returned nor counted. Lines have no length limit.
//
// While the store holds the file open, no other store (in this or another instance of the
// program) can open it. Every operation but Open, OpenFile and Close does nothing on a
// closed store and gives false, 0 or "". A file that may be read but not written is opened
// for reading alone: the readers read it, the writers do nothing and give false. The store has
// no lock for threads of its own: the record layer serialises its users through m_busy.
class CFdb {
public:
    static constexpr int kReadFailed = -1;

    CFdb() = default;
    CFdb(const CFdb&) = delete;
    CFdb& operator=(const CFdb&) = delete;
    ~CFdb() { Close(); }

    // Set while the record layer works on the file; the store itself never touches it.
    std::atomic<bool> m_busy{false};

    // Remembers `path` and opens it (OpenFile). On an open store: true at once, and the path
    // is neither compared nor replaced. The path is kept also when the open fails.
    bool Open(const std::string& path);
    // Opens the file at the remembered path: an existing file with its contents kept, for
    // reading and writing, or for reading alone when it may not be written (its permissions,
    // a read-only mount); a missing one created empty. Fails (false, file untouched, no
    // message) for a file that cannot be read, a folder that cannot be reached, or a file
    // another store holds open. True at once on an open store.
    bool OpenFile();
    // Closes the file; the path stays for the next OpenFile.
    void Close();

    bool IsOpen() const { return m_file.IsValid(); }
    // Open, and for writing too.
    bool IsWritable() const { return IsOpen() && m_writable; }
    const std::string& Path() const { return m_path; }

    // The last non-blank line, "" when there is none.
    std::string GetLastLine() const;
    // The n-th non-blank line counted from the end (1 = the last), as it stands in the file
    // (without its line end, but not trimmed). "" when there are fewer than n, or n < 1.
    // Reads only from the end of the file back to that line.
    std::string GetLineFromEnd(int n) const;
    // As GetLineFromEnd, telling a read error apart from a file without that line: false when
    // a read error stopped the search (`line` is then ""), true otherwise.
    bool ReadLineFromEnd(int n, std::string& line) const;
    // Adds every non-blank line, trimmed, in file order at the end of `lines` (which is not
    // emptied first) and returns the number of elements it holds afterwards. An empty file
    // gives 0 and leaves `lines` as it was.
    int ReadAll(std::vector<std::string>& lines) const;

    // Hands every non-blank line, trimmed, to `visit`, from the first line of the file to the
    // last; returns their number. The view is valid only during the call. This is ReadAll
    // without a copy of each line. kReadFailed when a read error stopped it before the end of
    // the file: what was handed over is then not the whole file.
    int ForEachLine(const std::function<void(std::string_view line)>& visit) const;
    // Hands every non-blank line, trimmed, to `visit`, from the last line of the file towards
    // the first, until `visit` returns false; returns the number of lines handed over. Reads
    // only as far back as the lines handed over, so a caller that needs the newest lines
    // alone pays for them alone. kReadFailed when a read error stopped it first.
    int ForEachLineFromEnd(const std::function<bool(std::string_view line)>& visit) const;

    // Hands every non-blank line, trimmed, that begins at or after `from` (a line start) and
    // before `to` (-1: the end of the file) to `visit`, in file order, with where it ends, until
    // `visit` returns false; returns the number of lines handed over, kReadFailed when a read
    // error stopped it first.
    int
    ForEachLineBetween(off_t from, off_t to,
                       const std::function<bool(std::string_view line, LineEnd end)>& visit) const;
    // The state of the open file; false on a closed store or when it cannot be asked.
    bool ReadState(FileState& state) const;

    // A last line without its line end (left by a writer that died while appending) that
    // `isWhole` does not accept, or that holds nothing but blanks, is moved out of the file:
    // added, byte for byte and nothing else, at the end of the file at `asidePath`, and only
    // then cut from this one, so that a crash in between leaves it in both places rather than
    // in none. Lines `isWhole` accepts stay (the next append ends them). False when the line
    // could not be moved (the file then keeps it), the end of the file could not be read, or
    // the file may not be written: it is then not ready for an append.
    bool SetAsideTornLastLine(const std::function<bool(std::string_view line)>& isWhole,
                              const std::string& asidePath);

    // Writes the text at the end of the file as it is: no line end is added, so a text
    // without "\n" is continued by the next one. A last line that an earlier instance left
    // without its line end (it died while appending) is ended before the first text of an
    // open is written, so that the text does not run on from it.
    bool AppendLine(const std::string& line);
    // AppendLine of every element, in order.
    bool WriteLines(const std::vector<std::string>& lines);
    // Replaces the whole contents by `lines`, written like WriteLines. A crash or power cut
    // in the middle leaves the old contents or the new ones, never less. On failure the file
    // keeps its old contents and the store stays open on it.
    bool Rewrite(const std::vector<std::string>& lines);
    // Cuts the file to length 0.
    bool Clear();

private:
    bool Append(std::span<const std::string> texts);
    // Ends the last line of the file (`end` bytes long) when it has no line end.
    bool EndTornLastLine(off_t end);

    std::string m_path;
    UniqueFd m_file;
    bool m_writable = false;
    // Whether the last line of the file has been checked for its line end since the open.
    bool m_lastLineChecked = false;
};

// The store of the data file, for the whole run of the program.
extern CFdb g_fdb;

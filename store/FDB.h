#pragma once

#include "platform/FileDescriptor.h"

#include <atomic>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
// closed store and gives false, 0 or "". The store has no lock for threads of its own: the
// record layer serialises its users through m_busy.
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
    // Opens the file at the remembered path: an existing file that may be read and written
    // with its contents kept; a missing one created empty. Fails (false, file untouched, no
    // message) for a file that cannot be both read and written, a folder that cannot be
    // reached, or a file another store holds open. True at once on an open store.
    bool OpenFile();
    // Closes the file; the path stays for the next OpenFile.
    void Close();

    bool IsOpen() const { return m_file.IsValid(); }
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
    // Whether the last line of the file has been checked for its line end since the open.
    bool m_lastLineChecked = false;
};

// The store of the data file, for the whole run of the program.
extern CFdb g_fdb;

#include "store/FDB.h"

#include "platform/FileLock.h"
#include "platform/FileReplace.h"
#include "store/TextModeWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

CFdb g_fdb;

namespace {

// Reading from the start takes big blocks; reading from the end takes blocks just large
// enough to hold the last few lines in one read.
constexpr std::size_t kForwardBlock = 1 << 20;
constexpr std::size_t kBackwardBlock = 64 << 10;

} // namespace

bool CFdb::Open(const std::string& path) {
    if (IsOpen())
        return true;
    m_path = path;
    return OpenFile();
}

bool CFdb::OpenFile() {
    if (IsOpen())
        return true;
    // A file that exists is never emptied: only a missing one is created. One that may be read
    // but not written still holds the records: it is read, and the writers leave it alone. The
    // lock is taken all the same, so that no other instance writes while this one reads.
    bool writable = true;
    UniqueFd file(OpenFileDescriptor(m_path.c_str(), O_RDWR | O_CLOEXEC));
    if (!file.IsValid() && errno == ENOENT) {
        file.Reset(OpenFileDescriptor(m_path.c_str(), O_RDWR | O_CLOEXEC | O_CREAT | O_EXCL, 0666));
    } else if (!file.IsValid() && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        file.Reset(OpenFileDescriptor(m_path.c_str(), O_RDONLY | O_CLOEXEC));
        writable = false;
    }
    if (!file.IsValid() || !TryLockExclusive(file.Get()) || !IsFileAtPath(file.Get(), m_path))
        return false;
    RemoveAbandonedReplacements(m_path);
    m_file = std::move(file);
    m_writable = writable;
    m_lastLineChecked = false;
    return true;
}

void CFdb::Close() {
    m_file.Reset();
}

std::string CFdb::GetLastLine() const {
    return GetLineFromEnd(1);
}

std::string CFdb::GetLineFromEnd(int n) const {
    std::string found;
    ReadLineFromEnd(n, found);
    return found;
}

bool CFdb::ReadLineFromEnd(int n, std::string& line) const {
    line.clear();
    if (!IsOpen() || n < 1)
        return true;
    const bool whole = ScanLinesBackward(m_file.Get(), FileSize(m_file.Get()), kBackwardBlock,
                                         [&](std::string_view text) {
                                             if (TrimBlanks(text).empty() || --n > 0)
                                                 return true;
                                             line.assign(text);
                                             return false;
                                         });
    if (!whole)
        line.clear();
    return whole;
}

int CFdb::ReadAll(std::vector<std::string>& lines) const {
    if (!IsOpen() || FileSize(m_file.Get()) <= 0)
        return 0;
    ForEachLine([&](std::string_view line) { lines.emplace_back(line); });
    return int(lines.size());
}

int CFdb::ForEachLine(const std::function<void(std::string_view line)>& visit) const {
    int count = 0;
    if (!IsOpen())
        return count;
    const bool whole = ScanLinesForward(m_file.Get(), kForwardBlock, [&](std::string_view line) {
        line = TrimBlanks(line);
        if (!line.empty()) {
            ++count;
            visit(line);
        }
    });
    return whole ? count : kReadFailed;
}

int CFdb::ForEachLineFromEnd(const std::function<bool(std::string_view line)>& visit) const {
    int count = 0;
    if (!IsOpen())
        return count;
    const bool whole = ScanLinesBackward(m_file.Get(), FileSize(m_file.Get()), kBackwardBlock,
                                         [&](std::string_view line) {
                                             line = TrimBlanks(line);
                                             if (line.empty())
                                                 return true;
                                             ++count;
                                             return visit(line);
                                         });
    return whole ? count : kReadFailed;
}

int CFdb::ForEachLineBetween(
    off_t from, off_t to,
    const std::function<bool(std::string_view line, LineEnd end)>& visit) const {
    int count = 0;
    if (!IsOpen())
        return count;
    const bool whole = ScanLinesBetween(m_file.Get(), from, to, kForwardBlock,
                                        [&](std::string_view line, LineEnd end) {
                                            line = TrimBlanks(line);
                                            if (line.empty())
                                                return true;
                                            ++count;
                                            return visit(line, end);
                                        });
    return whole ? count : kReadFailed;
}

bool CFdb::ReadState(FileState& state) const {
    struct stat status {};
    if (!IsOpen() || fstat(m_file.Get(), &status) != 0)
        return false;
    const auto ns = [](const timespec& t) { return t.tv_sec * 1'000'000'000LL + t.tv_nsec; };
    state = {status.st_dev, status.st_ino, status.st_size, ns(status.st_mtim), ns(status.st_ctim)};
    return true;
}

bool CFdb::SetAsideTornLastLine(const std::function<bool(std::string_view line)>& isWhole,
                                const std::string& asidePath) {
    if (!IsWritable())
        return false;
    const off_t size = FileSize(m_file.Get());
    if (size < 0)
        return false;
    // The torn line is what follows the last LF; a file that ends in one has none.
    char last = '\n';
    if (size > 0 && ReadAt(m_file.Get(), &last, 1, size - 1) != 1)
        return false;
    if (last == '\n')
        return true;
    off_t start = size;
    std::vector<char> block(kBackwardBlock);
    for (bool found = false; start > 0 && !found;) {
        const off_t from = std::max<off_t>(start - off_t(block.size()), 0);
        const auto length = std::size_t(start - from);
        if (ReadAt(m_file.Get(), block.data(), length, from) != ssize_t(length))
            return false;
        const auto* lf = static_cast<const char*>(memrchr(block.data(), '\n', length));
        found = lf != nullptr;
        start = found ? from + (lf + 1 - block.data()) : from;
    }
    std::string piece(std::size_t(size - start), '\0');
    if (ReadAt(m_file.Get(), piece.data(), piece.size(), start) != ssize_t(piece.size()))
        return false;
    // A piece of blanks (a writer died within a record number's padding) is torn too: left,
    // the next append would end it as a blank line amid the records.
    const std::string_view text = TrimBlanks(piece);
    if (!text.empty() && isWhole(text))
        return true;
    UniqueFd aside(open(asidePath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    if (!aside.IsValid() || !WriteAll(aside.Get(), piece.data(), piece.size()) ||
        fsync(aside.Get()) != 0)
        return false;
    if (ftruncate(m_file.Get(), start) != 0 || fsync(m_file.Get()) != 0)
        return false;
    m_lastLineChecked = true;
    return true;
}

bool CFdb::AppendLine(const std::string& line) {
    return Append(std::span(&line, 1));
}

bool CFdb::WriteLines(const std::vector<std::string>& lines) {
    return Append(lines);
}

bool CFdb::Append(std::span<const std::string> texts) {
    if (!IsWritable())
        return false;
    const off_t end = lseek(m_file.Get(), 0, SEEK_END);
    if (end < 0 || (!m_lastLineChecked && !EndTornLastLine(end)))
        return false;
    TextModeWriter out(m_file.Get());
    for (const std::string& text : texts)
        out.Write(text);
    // A failed write may have left a part of a line: look at the line end again next time.
    m_lastLineChecked = out.Finish();
    return m_lastLineChecked;
}

bool CFdb::EndTornLastLine(off_t end) {
    if (end == 0)
        return true;
    char last;
    if (ReadAt(m_file.Get(), &last, 1, end - 1) != 1)
        return false;
    if (last == '\n')
        return true;
    // A line that lost only its LF keeps its CR.
    const std::string_view lineEnd = last == '\r' ? "\n" : "\r\n";
    return WriteAll(m_file.Get(), lineEnd.data(), lineEnd.size());
}

bool CFdb::Rewrite(const std::vector<std::string>& lines) {
    // The file is replaced by a new one beside it, which a folder that may be written would
    // allow even for a file that may not.
    if (!IsWritable())
        return false;
    UniqueFd replaced = ReplaceFileContents(m_path, m_file.Get(), [&](int fd) {
        TextModeWriter out(fd);
        for (const std::string& line : lines)
            out.Write(line);
        return out.Finish();
    });
    if (!replaced.IsValid())
        return false;
    m_file = std::move(replaced);
    m_lastLineChecked = true;
    return true;
}

bool CFdb::Clear() {
    if (!IsWritable() || ftruncate(m_file.Get(), 0) != 0)
        return false;
    m_lastLineChecked = true;
    return true;
}

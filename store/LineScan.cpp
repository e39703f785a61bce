#include "store/LineScan.h"

#include "platform/FileDescriptor.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Read past the end of a part of the file, for the line that begins before the end.
constexpr std::size_t kLineSlack = 4096;

// A line that ended in LF may have ended in CR LF: the CR belongs to the line end.
std::string_view WithoutCr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

// The read buffer of a forward scan. Each thread keeps one between scans: mapping and clearing a
// fresh megabyte costs more than a short range read costs to read. A scan that runs while
// another is under way on the same thread (from inside its visit) takes a buffer of its own.
class ScanBuffer {
public:
    explicit ScanBuffer(std::size_t size) : m_buffer(t_inUse ? m_own : t_kept), m_kept(!t_inUse) {
        t_inUse = true;
        if (m_buffer.size() != size)
            m_buffer.assign(size, 0);
    }
    ~ScanBuffer() {
        if (!m_kept)
            return;
        // A buffer that grew for a very long line is not kept at that size.
        if (m_buffer.size() > 2 * kKeptSize)
            std::vector<char>().swap(m_buffer);
        t_inUse = false;
    }
    ScanBuffer(const ScanBuffer&) = delete;
    ScanBuffer& operator=(const ScanBuffer&) = delete;

    std::vector<char>& Get() { return m_buffer; }

private:
    static constexpr std::size_t kKeptSize = std::size_t{1} << 20;
    static thread_local std::vector<char> t_kept;
    static thread_local bool t_inUse;

    std::vector<char> m_own;
    std::vector<char>& m_buffer;
    bool m_kept;
};

thread_local std::vector<char> ScanBuffer::t_kept;
thread_local bool ScanBuffer::t_inUse = false;

} // namespace

bool ScanLinesForward(int fd, std::size_t blockSize,
                      const std::function<void(std::string_view line)>& visit) {
    return ScanLinesBetween(fd, 0, -1, blockSize, [&](std::string_view line, LineEnd) {
        visit(line);
        return true;
    });
}

bool ScanLinesBetween(int fd, off_t from, off_t to, std::size_t blockSize,
                      const std::function<bool(std::string_view line, LineEnd end)>& visit) {
    // The buffer starts with the unfinished line of the previous block (`held` bytes), which
    // begins at file offset `lineStart`.
    ScanBuffer scanBuffer(std::max<std::size_t>(blockSize, 1));
    std::vector<char>& buffer = scanBuffer.Get();
    std::size_t held = 0;
    off_t offset = from;
    off_t lineStart = from;
    const auto before = [to](off_t at) { return to < 0 || at < to; };
    while (before(lineStart)) {
        if (held == buffer.size())
            buffer.resize(buffer.size() * 2);
        // A part of the file is read only as far as its end and a little beyond, enough for the
        // line that crosses it; copying a whole buffer for a short part would cost more than
        // reading its lines.
        std::size_t wanted = buffer.size() - held;
        if (to >= 0)
            wanted = std::min<std::size_t>(wanted, std::size_t(std::max<off_t>(to - offset, 0)) +
                                                       kLineSlack);
        const ssize_t got = ReadAt(fd, buffer.data() + held, wanted, offset);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        offset += got;
        const char* const end = buffer.data() + held + got;
        const char* start = buffer.data();
        const char* search = start + held; // the held part has no LF
        while (const auto* lf = static_cast<const char*>(std::memchr(search, '\n', end - search))) {
            lineStart += lf + 1 - start;
            if (!visit(WithoutCr(std::string_view(start, lf - start)), {lineStart, true}))
                return true;
            start = search = lf + 1;
            if (!before(lineStart))
                return true;
        }
        held = std::size_t(end - start);
        std::memmove(buffer.data(), start, held);
    }
    if (held > 0 && before(lineStart))
        visit(std::string_view(buffer.data(), held), {lineStart + off_t(held), false});
    return true;
}

bool ScanLinesBackward(int fd, off_t size, std::size_t blockSize,
                       const std::function<bool(std::string_view line)>& visit) {
    // The bytes not visited yet that lie nearest the end of the file sit in buffer[head, tail);
    // each block read further back goes in front of them. `ended` tells whether the bytes at
    // `tail` were followed by an LF in the file (false only for the last line).
    blockSize = std::max<std::size_t>(blockSize, 1);
    std::vector<char> buffer(blockSize);
    std::size_t head = buffer.size();
    std::size_t tail = buffer.size();
    off_t offset = std::max(size, off_t(0)); // file offset of buffer[head]
    bool ended = false;
    const auto visitLine = [&](std::size_t from) {
        const std::string_view line(buffer.data() + from, tail - from);
        if (ended)
            return visit(WithoutCr(line));
        return line.empty() || visit(line);
    };
    for (;;) {
        while (const auto* lf =
                   static_cast<const char*>(memrchr(buffer.data() + head, '\n', tail - head))) {
            const std::size_t at = std::size_t(lf - buffer.data());
            if (!visitLine(at + 1))
                return true;
            tail = at;
            ended = true;
        }
        if (offset == 0)
            break;
        const std::size_t block = std::size_t(std::min(off_t(blockSize), offset));
        if (head < block) {
            // Move the unfinished line to the back, into a larger buffer when it needs one.
            const std::size_t held = tail - head;
            if (buffer.size() < held + block) {
                std::vector<char> larger(std::max(buffer.size() * 2, held + block));
                std::memcpy(larger.data() + larger.size() - held, buffer.data() + head, held);
                buffer.swap(larger);
            } else {
                std::memmove(buffer.data() + buffer.size() - held, buffer.data() + head, held);
            }
            tail = buffer.size();
            head = tail - held;
        }
        if (ReadAt(fd, buffer.data() + head - block, block, offset - off_t(block)) !=
            ssize_t(block))
            return false;
        head -= block;
        offset -= off_t(block);
    }
    visitLine(head);
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    // A plain test of each character: a search of the set of six for every character would
    // cost more than the line's other handling.
    const auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && isBlank(*first))
        ++first;
    while (last != first && isBlank(last[-1]))
        --last;
    return std::string_view(first, static_cast<std::size_t>(last - first));
}

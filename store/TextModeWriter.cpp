#include "store/TextModeWriter.h"

#include "platform/FileDescriptor.h"

namespace {

constexpr std::size_t kFlushSize = 1 << 20;

} // namespace

void TextModeWriter::Write(std::string_view text) {
    for (std::size_t lf; (lf = text.find('\n')) != std::string_view::npos;) {
        m_buffer.append(text.substr(0, lf)).append("\r\n");
        text.remove_prefix(lf + 1);
    }
    m_buffer.append(text);
    if (m_buffer.size() >= kFlushSize)
        Flush();
}

bool TextModeWriter::Finish() {
    Flush();
    return !m_failed;
}

void TextModeWriter::Flush() {
    // After a failed write nothing more goes out: later text must not land behind a gap.
    if (!m_failed && !WriteAll(m_fd, m_buffer.data(), m_buffer.size()))
        m_failed = true;
    m_buffer.clear();
}

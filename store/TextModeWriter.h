#pragma once

#include <string>
#include <string_view>

// Writes texts to a file the way a text-mode file does: every LF goes out as CR LF, every
// other character as it is. Collects the output in a large buffer so that many short texts
// cost few system calls; Finish writes out the rest.
class TextModeWriter {
public:
    explicit TextModeWriter(int fd) : m_fd(fd) {}

    void Write(std::string_view text);
    // Writes out what is buffered. False when any write since the start failed.
    bool Finish();

private:
    void Flush();

    int m_fd;
    std::string m_buffer;
    bool m_failed = false;
};

#pragma once

#include <cstddef>
#include <sys/types.h>

// Opens a file as open(2) does. The data file is opened through here, so that tests can make it
// refuse what a read-only file or mount refuses, to the superuser as well.
int OpenFileDescriptor(const char* path, int flags, mode_t mode = 0);

using OpenFunction = int (*)(const char* path, int flags, mode_t mode);

// Makes OpenFileDescriptor call `function` instead of open(2) (nullptr: open(2) again) and
// returns the function in use before. Safe to call while other threads open files.
OpenFunction SetOpenFunction(OpenFunction function);

// Owns one open POSIX file descriptor and closes it when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Reset(); }

    int Get() const { return m_fd; }
    bool IsValid() const { return m_fd >= 0; }
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void Reset(int fd = -1);

private:
    int m_fd = -1;
};

// Reads up to `size` bytes at `offset`, retrying short and interrupted reads; fewer bytes
// only at the end of the file. -1 on a read error.
ssize_t ReadAt(int fd, char* buffer, std::size_t size, off_t offset);

// Writes all `size` bytes at the current position, retrying short and interrupted writes.
bool WriteAll(int fd, const char* data, std::size_t size);

// Length of the open file in bytes, -1 when it cannot be asked.
off_t FileSize(int fd);

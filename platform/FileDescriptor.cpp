#include "platform/FileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int SystemOpen(const char* path, int flags, mode_t mode) {
    return open(path, flags, mode);
}

std::atomic<OpenFunction> g_open{SystemOpen};

} // namespace

int OpenFileDescriptor(const char* path, int flags, mode_t mode) {
    return g_open.load(std::memory_order_acquire)(path, flags, mode);
}

OpenFunction SetOpenFunction(OpenFunction function) {
    return g_open.exchange(function ? function : SystemOpen, std::memory_order_acq_rel);
}

void UniqueFd::Reset(int fd) {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = fd;
}

ssize_t ReadAt(int fd, char* buffer, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = pread(fd, buffer + done, size - done, offset + off_t(done));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += std::size_t(got);
    }
    return ssize_t(done);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += put;
        size -= std::size_t(put);
    }
    return true;
}

off_t FileSize(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 ? info.st_size : -1;
}

#include "platform/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

FileReadResult ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadResult::Missing
                                                   : FileReadResult::Unreadable;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char buffer[8192];
    while (ok) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got > 0)
            contents.append(buffer, static_cast<std::size_t>(got));
        else
            ok = errno == EINTR;
    }
    close(fd);
    if (!ok)
        contents.clear();
    return ok ? FileReadResult::Read : FileReadResult::Unreadable;
}

bool ReplaceWholeFile(const std::string& path, std::string_view contents) {
    const std::string temporary = path + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat old {};
    bool ok = (stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
              WriteAll(fd, contents) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        unlink(temporary.c_str());
    return ok;
}

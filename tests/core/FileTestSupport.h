#pragma once

#include "platform/FileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "talvorin-XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : "";
        EXPECT_FALSE(m_path.empty());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `body` in a forked child process and returns its wait status: the child's own
// result as its exit code, or the signal that ended it. Assertions do not cross the fork,
// so the body reports through its result.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = -1;
    waitpid(child, &status, 0);
    return status;
}

// While it lives, the program's opens of its data file (OpenFileDescriptor) find every file as
// one that may be read but not written: an open for writing, or one that would create a file,
// fails with `error` (EROFS: a read-only mount; EACCES: a file of mode 0444 for an ordinary
// user). Unlike a file's mode, this holds for the superuser as well, as whom the tests may run.
class ScopedUnwritableFiles {
public:
    explicit ScopedUnwritableFiles(int error = EROFS) : m_before(SetOpenFunction(Open)) {
        s_error = error;
    }
    ~ScopedUnwritableFiles() { SetOpenFunction(m_before); }
    ScopedUnwritableFiles(const ScopedUnwritableFiles&) = delete;
    ScopedUnwritableFiles& operator=(const ScopedUnwritableFiles&) = delete;

private:
    static int Open(const char* path, int flags, mode_t mode) {
        if ((flags & O_ACCMODE) != O_RDONLY || (flags & O_CREAT) != 0) {
            errno = s_error;
            return -1;
        }
        return open(path, flags, mode);
    }

    static inline std::atomic<int> s_error{EROFS};
    OpenFunction m_before;
};

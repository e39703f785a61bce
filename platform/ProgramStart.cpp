#include "platform/ProgramStart.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace {

// This process's environment with the handed-down variables set (replacing any of their name).
std::vector<std::string> ChildEnvironment(const std::vector<HandedDownFd>& handedDown) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        bool replaced = false;
        for (const HandedDownFd& file : handedDown)
            replaced = replaced || text.rfind(file.variable + '=', 0) == 0;
        if (!replaced)
            variables.push_back(text);
    }
    for (const HandedDownFd& file : handedDown)
        variables.push_back(file.variable + '=' + std::to_string(file.fd));
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    // A file duplicated onto its own number stays open across the start.
    bool KeepOpen(int fd) { return posix_spawn_file_actions_adddup2(&m_actions, fd, fd) == 0; }
    const posix_spawn_file_actions_t* Get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

} // namespace

bool StartProgram(const std::string& path, const std::vector<std::string>& arguments,
                  const std::vector<HandedDownFd>& handedDown, std::string& error) {
    SpawnActions actions;
    for (const HandedDownFd& file : handedDown) {
        if (file.fd < 0 || fcntl(file.fd, F_GETFD) < 0 || !actions.KeepOpen(file.fd)) {
            error = "cannot hand down file " + std::to_string(file.fd);
            return false;
        }
    }
    std::vector<std::string> argv{path};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment = ChildEnvironment(handedDown);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> environmentPointers = Pointers(environment);
    pid_t child = 0;
    // The C library reports a program file that cannot be run as the result of the start.
    const int result = posix_spawn(&child, path.c_str(), actions.Get(), nullptr,
                                   argvPointers.data(), environmentPointers.data());
    if (result != 0) {
        error = std::strerror(result);
        return false;
    }
    return true;
}

int TakeHandedDownFd(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value)
        return -1;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(value, &end, 10);
    const bool isNumber =
        errno == 0 && end != value && *end == '\0' && number >= 0 && number <= 1 << 20;
    unsetenv(variable);
    const int fd = isNumber ? static_cast<int>(number) : -1;
    if (fd < 0 || fcntl(fd, F_SETFD, FD_CLOEXEC) != 0)
        return -1;
    return fd;
}

bool WaitUntilPipeClosed(int fd, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[64];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd wait{fd, POLLIN, 0};
        const int ready = poll(&wait, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno != EINTR && errno != EAGAIN)
            return true; // a pipe that cannot be read any more has nobody to wait for
    }
}

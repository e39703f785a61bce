#include "bench/BenchFigures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <string_view>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

double MsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

// The resident size of this process now, in kB, as ru_maxrss counts it.
long ResidentKb() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n <= 0)
            return false;
        bytes += n;
        size -= std::size_t(n);
    }
    return true;
}

std::string ReadAllFrom(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    return text;
}

} // namespace

std::optional<std::string> DataFileArgument(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "--data")
            return std::string(argv[i + 1]);
    }
    return std::nullopt;
}

Figure MeasureFigure(int runs, const std::function<std::string()>& work) {
    Figure figure;
    int channel[2];
    if (pipe(channel) != 0) {
        figure.failed = true;
        return figure;
    }
    std::fflush(stdout);
    // Memory this process freed but kept would be used again by the child without counting.
    malloc_trim(0);
    const long baseKb = ResidentKb();
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        auto start = SteadyClock::now();
        std::string result = work();
        const double firstMs = MsSince(start);
        start = SteadyClock::now();
        for (int i = 0; i < runs; ++i)
            result = work();
        const double ms = MsSince(start) / std::max(runs, 1);
        const bool sent = WriteAll(channel[1], &firstMs, sizeof firstMs) &&
                          WriteAll(channel[1], &ms, sizeof ms) &&
                          WriteAll(channel[1], result.data(), result.size());
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    const std::string report = child > 0 ? ReadAllFrom(channel[0]) : std::string();
    close(channel[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0 || report.size() < 2 * sizeof(double)) {
        figure.failed = true;
        return figure;
    }
    std::memcpy(&figure.firstMs, report.data(), sizeof(double));
    std::memcpy(&figure.ms, report.data() + sizeof(double), sizeof(double));
    figure.result = report.substr(2 * sizeof(double));
    figure.peakMb = double(std::max(usage.ru_maxrss - baseKb, 0L)) / 1024.0;
    return figure;
}

Figure MeasureCommand(int runs, const std::string& command) {
    Figure figure;
    long peakKb = 0;
    const auto runOnce = [&]() -> bool {
        int output[2];
        if (pipe(output) != 0)
            return false;
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            dup2(output[1], STDOUT_FILENO);
            close(output[0]);
            close(output[1]);
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(output[1]);
        const std::string text = child > 0 ? ReadAllFrom(output[0]) : std::string();
        close(output[0]);
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            return false;
        peakKb = std::max(peakKb, usage.ru_maxrss);
        long lines = 0;
        for (const char c : text)
            lines += c == '\n';
        figure.result = std::to_string(lines) + " lines";
        return true;
    };
    auto start = SteadyClock::now();
    figure.failed = !runOnce();
    figure.firstMs = MsSince(start);
    start = SteadyClock::now();
    for (int i = 0; i < runs && !figure.failed; ++i)
        figure.failed = !runOnce();
    figure.ms = MsSince(start) / std::max(runs, 1);
    figure.peakMb = double(peakKb) / 1024.0;
    return figure;
}

// The machine's limit for any reading of the file: memchr over the file mapped from the warm
// page cache, line end by line end, with no copy and nothing else done.
double MemchrScanMs(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    struct stat info {};
    if (fstat(fd, &info) != 0 || info.st_size == 0) {
        close(fd);
        return 0;
    }
    const std::size_t size = static_cast<std::size_t>(info.st_size);
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    close(fd);
    if (mapped == MAP_FAILED)
        return 0;
    const char* const begin = static_cast<const char*>(mapped);
    long lines = 0;
    const auto scan = [&] {
        lines = 0;
        const char* at = begin;
        const char* const end = begin + size;
        while ((at = static_cast<const char*>(std::memchr(at, '\n', std::size_t(end - at)))))
            ++lines, ++at;
    };
    scan(); // the mapping, warm
    const auto start = SteadyClock::now();
    constexpr int kRuns = 5;
    for (int i = 0; i < kRuns; ++i)
        scan();
    const double ms = MsSince(start) / kRuns;
    munmap(mapped, size);
    return lines > 0 ? ms : 0;
}

void PrintFigureHeading(const char* title) {
    std::printf("\n%s\n  %-46s %9s %10s %8s %9s %9s   %s\n", title, "figure", "first ms", "ms/run",
                "peak MB", "/memchr", "/other", "result");
}

void PrintFigure(const char* what, const Figure& figure, double scanMs,
                 std::optional<double> otherMs) {
    if (figure.failed) {
        std::printf("  %-46s %s\n", what, "FAILED (the child did not report)");
        return;
    }
    char other[32] = "";
    if (otherMs && *otherMs > 0)
        std::snprintf(other, sizeof other, "%9.4f", figure.ms / *otherMs);
    std::printf("  %-46s %9.3f %10.4f %8.1f %9.4f %9s   %s\n", what, figure.firstMs, figure.ms,
                figure.peakMb, scanMs > 0 ? figure.ms / scanMs : 0.0, other, figure.result.c_str());
    std::fflush(stdout);
}

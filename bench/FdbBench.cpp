// Times the data-file store on a file of a million data-file lines (or the count given as
// the first argument), written into a fresh temporary folder that is removed afterwards.
#include "store/FDB.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

double SecondsFor(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, double seconds, double megabytes) {
    if (megabytes > 0)
        std::printf("%-28s %9.3f ms  %8.0f MB/s\n", what, seconds * 1e3, megabytes / seconds);
    else
        std::printf("%-28s %9.3f ms\n", what, seconds * 1e3);
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
    std::string folder =
        (std::filesystem::temp_directory_path() / "talvorin-bench-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return 1;

    std::vector<std::string> lines;
    lines.reserve(count);
    char line[256];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line,
                      "%4d, 2024-03-01 12:%02d:00, 2024-03-01 12:%02d:05, 30,   45,  21.4,   87,   "
                      "8.1, 1013.2, 1008.9,   2.1,   3.4,  225, SW, \t\t1234,  370.2,   0.3,   "
                      "1.2,   4.5,   9.9,  21.0, 370.2,   6.1,   8.1,  2,  3,\n",
                      i, i % 60, i % 60);
        lines.emplace_back(line);
    }

    CFdb fdb;
    if (!fdb.Open(folder + "/Talvorin.dat"))
        return 1;
    const double writeSeconds = SecondsFor([&] { fdb.WriteLines(lines); });
    const double megabytes = double(std::filesystem::file_size(folder + "/Talvorin.dat")) / 1e6;
    std::printf("%d lines, %.1f MB\n", count, megabytes);
    Report("WriteLines", writeSeconds, megabytes);

    std::vector<std::string> read;
    Report("ReadAll", SecondsFor([&] { fdb.ReadAll(read); }), megabytes);
    std::size_t bytes = 0;
    Report("ForEachLine",
           SecondsFor([&] { fdb.ForEachLine([&](std::string_view l) { bytes += l.size(); }); }),
           megabytes);
    std::string last;
    Report("GetLastLine", SecondsFor([&] { last = fdb.GetLastLine(); }), 0);
    int walked = 0;
    Report("ForEachLineFromEnd (all)", SecondsFor([&] {
               walked = fdb.ForEachLineFromEnd([](std::string_view) { return true; });
           }),
           megabytes);
    Report("AppendLine", SecondsFor([&] { fdb.AppendLine(lines.back()); }), 0);
    Report("Rewrite", SecondsFor([&] { fdb.Rewrite(lines); }), megabytes);
    fdb.Close();

    std::filesystem::remove_all(folder);
    const bool consistent = int(read.size()) == count && walked == count && !last.empty();
    std::printf("%s\n", consistent ? "ok" : "MISMATCH");
    return consistent ? 0 : 1;
}

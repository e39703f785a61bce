#pragma once

#include <functional>
#include <optional>
#include <string>

// What the benchmarks share: the data file they are given, and one way to take a figure.
//
// scripts/bench.sh writes one data file and hands it to every benchmark as "--data FILE", so
// that all figures come from the same records. Each figure runs in a child process of its own:
// its work runs once unmeasured (so that what a first call builds or reads into the page cache
// is there, as it is for a program that has run for a while), then `runs` times measured. The
// peak memory is the child's largest resident size less what it had when it was forked (this
// process gives its free memory back first), so it is the work's own, caches built by the first
// call included.

// The FILE of "--data FILE" among the arguments; nothing when it is missing.
std::optional<std::string> DataFileArgument(int argc, char** argv);

struct Figure {
    double firstMs = 0;  // the unmeasured first call
    double ms = 0;       // average of the measured calls
    double peakMb = 0;   // peak resident memory of the work, in MB
    std::string result;  // what the work gave, for the reader to check
    bool failed = false; // the child did not report
};

// Takes one figure: `work` returns a short text of what it gave (the last call's counts).
Figure MeasureFigure(int runs, const std::function<std::string()>& work);

// Takes one figure of another program: `command` runs through /bin/sh, once unmeasured and
// then `runs` times. The result counts the lines it printed; the peak memory is the largest
// resident size of the command and the processes it waited for.
Figure MeasureCommand(int runs, const std::string& command);

// Milliseconds of one scan of the whole file for its line ends with memchr, page cache warm:
// the speed limit for any reading of the whole file on this machine.
double MemchrScanMs(const std::string& path);

// The heading of the table PrintFigure writes rows of.
void PrintFigureHeading(const char* title);
// One row: the figure, its ratio to the memchr scan of the whole file and, when given, to
// the same work done by another tool (`otherMs`, named in the result).
void PrintFigure(const char* what, const Figure& figure, double scanMs,
                 std::optional<double> otherMs = std::nullopt);

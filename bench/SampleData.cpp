// Writes a data file of generated weather records, for a first look at the program and for the
// benchmarks:
//
//   sample_data FILE COUNT [LAST]
//
// COUNT records five minutes apart, the last one at LAST ("YYYY-MM-DD HH:MM:SS", local time;
// by default the last five-minute mark before now). An existing FILE is left alone (exit 1).
#include "bench/WeatherGenerator.h"
#include "station/values/TimeText.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    const long count = argc > 2 ? std::atol(argv[2]) : 0;
    if (argc < 3 || argc > 4 || count < 1) {
        std::fprintf(stderr, "usage: %s FILE COUNT [YYYY-MM-DD HH:MM:SS]\n", argv[0]);
        return 2;
    }
    const time_t now = std::time(nullptr);
    const time_t last =
        argc > 3 ? TextToTime(argv[3]) : now - 1 - (now - 1) % kSampleIntervalSeconds;
    if (last <= 0) {
        std::fprintf(stderr, "%s: not a time: %s\n", argv[0], argv[3]);
        return 2;
    }
    if (!WriteSampleDataFile(argv[1], count, last)) {
        std::fprintf(stderr, "%s: %s exists already or cannot be written\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

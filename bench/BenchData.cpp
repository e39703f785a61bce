#include "bench/BenchData.h"

#include "bench/BenchFigures.h"
#include "station/records/RecordLayer.h"
#include "store/FDB.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

std::optional<CWeatherRecord> OpenBenchData(int argc, char** argv, std::string& path) {
    const std::optional<std::string> data = DataFileArgument(argc, argv);
    if (!data) {
        std::fprintf(stderr,
                     "usage: %s --data FILE   (FILE written by sample_data FILE COUNT LAST)\n",
                     argv[0]);
        return std::nullopt;
    }
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    path = *data;
    if (!g_fdb.Open(path)) {
        std::fprintf(stderr, "%s: cannot open %s\n", argv[0], path.c_str());
        return std::nullopt;
    }
    g_fdb.Close();
    CWeatherRecord newest;
    if (!LoadLastRecord(newest) || newest.recordTime.size() < 19) {
        std::fprintf(stderr, "%s: %s holds no records\n", argv[0], path.c_str());
        return std::nullopt;
    }
    return newest;
}

CWeatherSettings MetricDisplayUnits() {
    CWeatherSettings units;
    units.indTempUnit = units.outTempUnit = "\xC2\xB0"
                                            "C";
    units.presUnit = "hPa";
    units.windUnit = "m/s";
    units.rainUnit = "mm";
    units.lightmeterUnit = "lux";
    return units;
}

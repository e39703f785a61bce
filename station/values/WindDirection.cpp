#include "station/values/WindDirection.h"

#include <iterator>

namespace {

constexpr const char* kDirectionNames[] = {"N", "NNE", "NE", "NEE", "E", "SEE", "SE", "SSE",
                                           "S", "SSW", "SW", "SWW", "W", "NWW", "NW", "NNW"};

} // namespace

std::string WindDirectionName(unsigned index) {
    if (index >= std::size(kDirectionNames)) {
        return {};
    }
    return kDirectionNames[index];
}

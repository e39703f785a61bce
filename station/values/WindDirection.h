#pragma once

#include <string>

// The name of a wind direction index, 0 "N" clockwise to 15 "NNW", in the console's spelling
// ("NEE", "SEE", "SWW", "NWW"); the empty text for any other index.
std::string WindDirectionName(unsigned index);

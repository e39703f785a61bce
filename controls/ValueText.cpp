#include "controls/ValueText.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

bool IsNoValueText(const std::string& text) {
    return text.empty() || text == "---";
}

float ValueTextToFloat(const std::string& text) {
    return static_cast<float>(std::atof(text.c_str()));
}

int ValueTextToInt(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

#pragma once

#include "station/threads/StatusText.h"

#include <string>
#include <vector>

// A main frame for tests: it records every status text it is shown.
class RecordingStatusTarget : public IStatusTextTarget {
public:
    bool IsWindow() const override { return window; }
    int OnStatusText(const char* text) override {
        shown.emplace_back(text);
        return result;
    }

    bool window = true;
    int result = 0;
    std::vector<std::string> shown;
};

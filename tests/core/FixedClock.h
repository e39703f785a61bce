#pragma once

#include "station/values/Clock.h"

#include <ctime>

// Stops the program's clock at one time for the life of the object.
class FixedClock {
public:
    explicit FixedClock(time_t now) {
        s_now = now;
        m_before = SetClock([] { return s_now; });
    }
    ~FixedClock() { SetClock(m_before); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    static inline time_t s_now = 0;
    ClockFunction m_before;
};

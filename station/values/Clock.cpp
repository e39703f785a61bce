#include "station/values/Clock.h"

#include <atomic>

namespace {

time_t SystemTime() {
    return std::time(nullptr);
}

std::atomic<ClockFunction> g_clock{SystemTime};

} // namespace

time_t CurrentTime() {
    return g_clock.load(std::memory_order_acquire)();
}

ClockFunction SetClock(ClockFunction clock) {
    return g_clock.exchange(clock ? clock : SystemTime, std::memory_order_acq_rel);
}

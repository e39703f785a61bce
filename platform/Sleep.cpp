#include "platform/Sleep.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

void RealSleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::atomic<SleepFunction> g_sleepFunction{RealSleep};

} // namespace

void SleepMs(int milliseconds) {
    g_sleepFunction.load()(milliseconds);
}

SleepFunction SetSleepFunction(SleepFunction function) {
    return g_sleepFunction.exchange(function ? function : RealSleep);
}

#include "platform/Sleep.h"

#include "platform/StopRequest.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

void RealSleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::atomic<SleepFunction> g_sleepFunction{RealSleep};

// The request the calling thread's pauses end on, if any.
thread_local const CStopRequest* t_pausesEndOn = nullptr;

} // namespace

void SleepMs(int milliseconds) {
    const CStopRequest* stop = t_pausesEndOn;
    if (stop && stop->IsRequested())
        return;
    const SleepFunction function = g_sleepFunction.load();
    if (stop && function == RealSleep)
        stop->WaitFor(milliseconds);
    else
        function(milliseconds);
}

SleepFunction SetSleepFunction(SleepFunction function) {
    return g_sleepFunction.exchange(function ? function : RealSleep);
}

CStoppablePauses::CStoppablePauses(const CStopRequest& stop) {
    t_pausesEndOn = &stop;
}

CStoppablePauses::~CStoppablePauses() {
    t_pausesEndOn = nullptr;
}

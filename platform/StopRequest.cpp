#include "platform/StopRequest.h"

#include <chrono>

namespace {

std::atomic<bool> g_programEndRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set inside a signal handler");

} // namespace

void CStopRequest::Request() {
    {
        // Under the lock, so that a waiter between its look and its wait cannot miss the wake.
        const std::lock_guard lock(m_mutex);
        m_requested = true;
    }
    m_made.notify_all();
}

void CStopRequest::WaitFor(int milliseconds) const {
    std::unique_lock lock(m_mutex);
    m_made.wait_for(lock, std::chrono::milliseconds(milliseconds),
                    [this] { return m_requested.load(); });
}

void RequestProgramEnd() {
    g_programEndRequested = true;
}

bool IsProgramEndRequested() {
    return g_programEndRequested;
}

void WithdrawProgramEndRequest() {
    g_programEndRequested = false;
}

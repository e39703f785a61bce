#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

// A request to a thread to end, made by another thread. The thread looks at it between the
// steps of its work; a thread whose pauses end on it (CStoppablePauses, Sleep.h) is woken from
// any pause the moment it is made, so that it reaches its next look at once.
class CStopRequest {
public:
    // From any thread; wakes a pause under way.
    void Request();
    bool IsRequested() const { return m_requested; }

    // Waits until `milliseconds` have passed or the request is made, whichever comes first.
    void WaitFor(int milliseconds) const;

private:
    std::atomic<bool> m_requested{false};
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_made;
};

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

// The system's request that the whole program end (SIGTERM, SIGINT). The signal handler makes
// it, and a signal handler may set nothing but a lock-free flag. The user-interface thread hears
// of the signal only once it gets back to its events: work that keeps it from them meanwhile, a
// console read frame by frame or a wait for the console, looks at this flag between its steps.
void RequestProgramEnd();
bool IsProgramEndRequested();
// Forgets the request: for the watcher of the signals that made it, when it goes.
void WithdrawProgramEndRequest();

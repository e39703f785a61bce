#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that releases one waiter each time it is set and then resets itself; setting it
// while nobody waits lets the next wait return at once.
class CAutoResetEvent {
public:
    void Set() {
        {
            std::lock_guard lock(m_mutex);
            m_signalled = true;
        }
        m_changed.notify_one();
    }

    // Waits until the event is set or `timeout` has passed. True when it was set.
    bool Wait(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        const bool signalled = m_changed.wait_for(lock, timeout, [this] { return m_signalled; });
        m_signalled = false;
        return signalled;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_signalled = false;
};

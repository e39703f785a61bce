#pragma once

#include <functional>
#include <pthread.h>

enum class ThreadPriority { kNormal, kBelowNormal };

// A thread of the program's own. Unlike std::thread it reports a failure to start as its
// result instead of throwing, and it can run below the priority of the thread that starts it,
// so that background reading never slows the windows down.
class CWorkerThread {
public:
    CWorkerThread() = default;
    // Waits for a thread that was started and not yet joined.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Runs `body` on a new thread. False when the system made no thread (or one runs already).
    bool Start(std::function<void()> body, ThreadPriority priority);
    bool IsStarted() const { return m_started; }
    // Waits until the body has returned. Does nothing when no thread runs.
    void Join();

private:
    pthread_t m_thread{};
    bool m_started = false;
};

// How far below its creator a ThreadPriority::kBelowNormal thread runs, in nice steps: a
// little, as one priority level below normal always was.
inline constexpr int kBelowNormalNiceSteps = 2;

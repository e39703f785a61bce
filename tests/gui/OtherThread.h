#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <QCoreApplication>

// Runs `work` on a thread of its own (as the monitor thread, or another process, would) while
// this thread goes on handling events; returns once the work is done.
inline void RunOnAnotherThread(const std::function<void()>& work) {
    std::atomic<bool> done = false;
    std::thread worker([&] {
        work();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
}

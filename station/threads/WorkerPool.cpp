#include "station/threads/WorkerPool.h"

#include <algorithm>
#include <system_error>

WorkerPool& WorkerPool::Shared() {
    static WorkerPool pool(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8) - 1);
    return pool;
}

WorkerPool::WorkerPool(std::size_t threads) {
    for (std::size_t thread = 0; thread < threads; ++thread) {
        // A machine that cannot start another thread does the work on those it has.
        try {
            m_threads.emplace_back([this] { Serve(); });
        } catch (const std::system_error&) {
            break;
        }
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    m_threads.clear();
}

void WorkerPool::Run(std::size_t parts, const std::function<void(std::size_t)>& work) {
    const std::lock_guard turn(m_turn);
    if (parts <= 1 || m_threads.empty()) {
        for (std::size_t part = 0; part < parts; ++part)
            work(part);
        return;
    }
    {
        const std::lock_guard lock(m_lock);
        m_work = &work;
        m_parts = parts;
        m_next = 0;
        m_serving = m_threads.size();
        ++m_run;
    }
    m_wake.notify_all();
    TakeParts(work, parts);
    std::unique_lock lock(m_lock);
    m_done.wait(lock, [this] { return m_serving == 0; });
    m_work = nullptr;
}

void WorkerPool::TakeParts(const std::function<void(std::size_t)>& work, std::size_t parts) {
    for (;;) {
        std::size_t part = 0;
        {
            const std::lock_guard lock(m_lock);
            part = m_next++;
        }
        if (part >= parts)
            return;
        work(part);
    }
}

void WorkerPool::Serve() {
    std::uint64_t served = 0;
    for (;;) {
        const std::function<void(std::size_t)>* work = nullptr;
        std::size_t parts = 0;
        {
            std::unique_lock lock(m_lock);
            m_wake.wait(lock, [&] { return m_stop || m_run != served; });
            if (m_stop)
                return;
            served = m_run;
            work = m_work;
            parts = m_parts;
        }
        TakeParts(*work, parts);
        const std::lock_guard lock(m_lock);
        if (--m_serving == 0)
            m_done.notify_one();
    }
}

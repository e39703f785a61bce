#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A few threads kept for work cut into parts, so that a short piece of work does not pay for
// starting threads (on some machines starting one costs more than reading a week of records):
// the range reads of the data file read parts of the file side by side.
class WorkerPool {
public:
    // The pool of the program, made at its first use: one thread fewer than the machine has
    // cores, at most seven.
    static WorkerPool& Shared();

    explicit WorkerPool(std::size_t threads);
    // Waits for the threads to end; no run may be under way.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Calls work(part) once for every part from 0 to parts - 1, on the pool's threads and the
    // calling thread at once, and returns when every call has returned. Runs asked for by
    // several threads take turns. `work` must not start a run of its own.
    void Run(std::size_t parts, const std::function<void(std::size_t part)>& work);

    std::size_t Threads() const { return m_threads.size(); }

private:
    void Serve();
    // Calls the run's work for parts not yet taken until none is left.
    void TakeParts(const std::function<void(std::size_t)>& work, std::size_t parts);

    std::mutex m_turn; // one run at a time
    std::mutex m_lock; // guards everything below
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const std::function<void(std::size_t)>* m_work = nullptr;
    std::size_t m_parts = 0;
    std::size_t m_next = 0;
    std::size_t m_serving = 0; // threads not yet done with the current run
    std::uint64_t m_run = 0;
    bool m_stop = false;
    std::vector<std::jthread> m_threads;
};

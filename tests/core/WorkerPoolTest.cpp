#include "station/threads/WorkerPool.h"

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Every part is worked on once, on the pool's threads and the caller's, and the run returns
// only when all are done; run after run on the same threads.
TEST(WorkerPool, EachPartIsDoneOnceBeforeTheRunReturns) {
    WorkerPool pool(3);
    ASSERT_EQ(pool.Threads(), 3u);
    for (const std::size_t parts : {0u, 1u, 2u, 7u, 100u}) {
        std::vector<std::atomic<int>> done(parts);
        std::mutex lock;
        std::set<std::thread::id> threads;
        pool.Run(parts, [&](std::size_t part) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            ++done[part];
            const std::lock_guard guard(lock);
            threads.insert(std::this_thread::get_id());
        });
        for (std::size_t part = 0; part < parts; ++part)
            EXPECT_EQ(done[part], 1) << part << " of " << parts;
        EXPECT_LE(threads.size(), 4u);
        if (parts == 1) {
            EXPECT_EQ(*threads.begin(), std::this_thread::get_id()) << "one part stays home";
        }
    }
}

// Runs asked for by two threads at once take turns: the parts of one run never overlap those
// of the other.
TEST(WorkerPool, RunsOfTwoThreadsTakeTurns) {
    WorkerPool pool(2);
    // Parts of each run under way.
    std::atomic<int> active[2] = {0, 0};
    std::atomic<bool> mixed = false;
    std::atomic<int> parts = 0;
    const auto runs = [&](int run) {
        for (int round = 0; round < 50; ++round) {
            pool.Run(8, [&](std::size_t) {
                ++active[run];
                if (active[1 - run] > 0)
                    mixed = true;
                ++parts;
                std::this_thread::yield();
                --active[run];
            });
        }
    };
    std::jthread other(runs, 1);
    runs(0);
    other.join();
    EXPECT_FALSE(mixed);
    EXPECT_EQ(parts, 2 * 50 * 8);
}

// A pool ends at once whether it never ran, ran, or has no threads at all.
TEST(WorkerPool, EndsIdleOrAfterRuns) {
    const auto started = std::chrono::steady_clock::now();
    { WorkerPool idle(4); }
    {
        WorkerPool used(4);
        std::atomic<int> parts = 0;
        used.Run(16, [&](std::size_t) { ++parts; });
        EXPECT_EQ(parts, 16);
    }
    {
        WorkerPool none(0);
        int parts = 0;
        none.Run(3, [&](std::size_t) { ++parts; });
        EXPECT_EQ(parts, 3);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

} // namespace

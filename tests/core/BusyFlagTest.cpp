#include "station/threads/BusyFlag.h"

#include "tests/core/SleepRecorder.h"

#include <climits>
#include <thread>

#include <gtest/gtest.h>

namespace {

TEST(BusyGuard, TakesAFreeFlagAtOnceAndClearsItWhenItGoes) {
    SleepRecorder sleeps;
    std::atomic<bool> busy{false};
    {
        const CBusyGuard guard(busy, 3, 1000);
        EXPECT_TRUE(guard.IsTaken());
        EXPECT_TRUE(busy);
    }
    EXPECT_FALSE(busy);
    EXPECT_TRUE(sleeps.Recorded().empty());
}

TEST(BusyGuard, GivesUpAfterItsWaitsAndLeavesTheOtherPartysFlagSet) {
    SleepRecorder sleeps;
    std::atomic<bool> busy{true};
    {
        const CBusyGuard guard(busy, 3, 1000);
        EXPECT_FALSE(guard.IsTaken());
    }
    EXPECT_TRUE(busy);
    EXPECT_EQ(sleeps.Recorded(), (std::vector<int>{1000, 1000, 1000}));
}

TEST(BusyGuard, AKeptFlagStaysSetAfterTheGuard) {
    std::atomic<bool> busy{false};
    {
        CBusyGuard guard(busy, 0, 0);
        ASSERT_TRUE(guard.IsTaken());
        guard.KeepTaken();
    }
    EXPECT_TRUE(busy);
    {
        CBusyGuard notTaken(busy, 0, 0);
        notTaken.KeepTaken(); // a flag it never took stays as the other party left it
    }
    EXPECT_TRUE(busy);
}

TEST(BusyGuard, WithoutWaitsTriesOnce) {
    SleepRecorder sleeps;
    std::atomic<bool> busy{true};
    EXPECT_FALSE(CBusyGuard(busy, 0, 1000).IsTaken());
    EXPECT_TRUE(sleeps.Recorded().empty());
}

// Two real threads: one holds the flag, the other waits for it; the holder lets go during the
// waiter's second pause, and the waiter takes the flag on its next try.
std::atomic<int> g_pauses{0};
std::atomic<bool> g_letGo{false};
std::atomic<bool> g_released{false};

void PauseUntilReleasedOnSecondPause(int) {
    if (++g_pauses == 2) {
        g_letGo = true;
        while (!g_released)
            std::this_thread::yield();
    }
}

TEST(BusyGuard, AWaiterTakesTheFlagOnceTheHolderLetsGo) {
    g_pauses = 0;
    g_letGo = false;
    g_released = false;
    const SleepFunction previous = SetSleepFunction(PauseUntilReleasedOnSecondPause);
    std::atomic<bool> busy{false};
    std::atomic<bool> held{false};

    std::thread holder([&] {
        {
            const CBusyGuard guard(busy, 0, 0);
            held = guard.IsTaken();
            while (!g_letGo)
                std::this_thread::yield();
        }
        g_released = true;
    });
    while (!held)
        std::this_thread::yield();
    bool taken = false;
    std::thread waiter([&] {
        const CBusyGuard guard(busy, 3, 1000);
        taken = guard.IsTaken();
    });
    waiter.join();
    holder.join();
    SetSleepFunction(previous);

    EXPECT_TRUE(taken);
    EXPECT_EQ(g_pauses, 2);
    EXPECT_FALSE(busy);
}

void Yield(int) {
    std::this_thread::yield();
}

TEST(BusyGuard, NeverLetsTwoThreadsInAtOnce) {
    const SleepFunction previous = SetSleepFunction(Yield);
    std::atomic<bool> busy{false};
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    long accesses = 0; // guarded by the flag alone
    constexpr int kThreads = 4;
    constexpr int kRounds = 5000;

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round) {
                const CBusyGuard guard(busy, INT_MAX, 0);
                if (inside.fetch_add(1) != 0)
                    ++overlaps;
                ++accesses;
                inside.fetch_sub(1);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    SetSleepFunction(previous);

    EXPECT_EQ(overlaps, 0);
    EXPECT_EQ(accesses, long{kThreads} * kRounds);
    EXPECT_FALSE(busy);
}

} // namespace

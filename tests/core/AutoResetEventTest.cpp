#include "platform/AutoResetEvent.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(AutoResetEvent, ASetBeforeTheWaitIsKeptForItAndThenCleared) {
    CAutoResetEvent event;
    event.Set();
    EXPECT_TRUE(event.Wait(0ms));
    EXPECT_FALSE(event.Wait(10ms));
}

TEST(AutoResetEvent, TimesOutWhenNobodySetsIt) {
    CAutoResetEvent event;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(event.Wait(30ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
}

TEST(AutoResetEvent, WakesAWaitingThreadLongBeforeItsTimeout) {
    CAutoResetEvent event;
    std::atomic<bool> woken{false};
    const auto start = std::chrono::steady_clock::now();
    std::thread waiter([&] { woken = event.Wait(60s); });
    std::this_thread::sleep_for(20ms);
    event.Set();
    waiter.join();
    EXPECT_TRUE(woken);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST(AutoResetEvent, OneSetReleasesOnlyOneOfTwoWaiters) {
    CAutoResetEvent event;
    std::atomic<int> released{0};
    auto wait = [&] { released += event.Wait(300ms) ? 1 : 0; };
    std::thread a(wait), b(wait);
    std::this_thread::sleep_for(50ms);
    event.Set();
    a.join();
    b.join();
    EXPECT_EQ(released, 1);
}

} // namespace

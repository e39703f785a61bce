#include "platform/WorkerThread.h"

#include "platform/Sleep.h"
#include "platform/StopRequest.h"

#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

int OwnNiceValue() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
}

TEST(WorkerThread, RunsItsBodyAndJoinsOnce) {
    std::atomic<int> runs{0};
    CWorkerThread thread;
    ASSERT_TRUE(thread.Start([&runs] { ++runs; }, ThreadPriority::kNormal));
    EXPECT_TRUE(thread.IsStarted());
    EXPECT_FALSE(thread.Start([&runs] { ++runs; }, ThreadPriority::kNormal))
        << "one thread at a time";
    thread.Join();
    EXPECT_FALSE(thread.IsStarted());
    thread.Join();
    EXPECT_EQ(runs, 1);
}

TEST(WorkerThread, ABelowNormalThreadRunsNicerThanItsCreator) {
    const int creator = OwnNiceValue();
    std::atomic<int> normal{-100};
    std::atomic<int> below{-100};
    {
        CWorkerThread a;
        CWorkerThread b;
        ASSERT_TRUE(a.Start([&normal] { normal = OwnNiceValue(); }, ThreadPriority::kNormal));
        ASSERT_TRUE(b.Start([&below] { below = OwnNiceValue(); }, ThreadPriority::kBelowNormal));
    } // the destructors join
    EXPECT_EQ(normal, creator);
    EXPECT_EQ(below, std::min(creator + kBelowNormalNiceSteps, 19));
    EXPECT_EQ(OwnNiceValue(), creator) << "the creator keeps its own priority";
}

// A thread asked to end is woken from a long pause under way and pauses no more; the pauses of
// a thread that does not watch the request go on as they were.
TEST(WorkerThread, AThreadWhosePausesEndOnAStopRequestPausesNoMoreOnceItIsMade) {
    CStopRequest stop;
    std::atomic<bool> pausing{false};
    CWorkerThread thread;
    ASSERT_TRUE(thread.Start(
        [&] {
            const CStoppablePauses pauses(stop);
            pausing = true;
            SleepMs(60000);
            SleepMs(60000);
        },
        ThreadPriority::kNormal));
    while (!pausing)
        std::this_thread::yield();
    const auto requested = std::chrono::steady_clock::now();
    stop.Request();
    thread.Join();
    EXPECT_LT(std::chrono::steady_clock::now() - requested, 30s);

    const auto pause = std::chrono::steady_clock::now();
    SleepMs(50);
    EXPECT_GE(std::chrono::steady_clock::now() - pause, 50ms);
}

} // namespace

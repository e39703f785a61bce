#include "platform/WorkerThread.h"

#include <atomic>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

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

} // namespace

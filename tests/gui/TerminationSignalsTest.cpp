#include "platform/qt/TerminationSignals.h"

#include "platform/StopRequest.h"

#include <csignal>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {

bool IsDefaultHandling(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

TEST(TerminationSignalsTest, SignalsArriveOnTheUserInterfaceThreadInsteadOfEndingTheProcess) {
    std::vector<int> received;
    {
        TerminationSignals watcher;
        ASSERT_TRUE(watcher.IsWatching());
        QObject::connect(&watcher, &TerminationSignals::Received,
                         [&](int signal) { received.push_back(signal); });
        ASSERT_EQ(raise(SIGTERM), 0);
        ASSERT_EQ(raise(SIGINT), 0);
        EXPECT_TRUE(received.empty()); // nothing but the request happens inside the handler
        EXPECT_TRUE(IsProgramEndRequested());
        const QDeadlineTimer deadline(5000);
        while (received.size() < 2 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGINT}));
    EXPECT_FALSE(IsProgramEndRequested()) << "gone with the watcher";
    EXPECT_TRUE(IsDefaultHandling(SIGTERM));
    EXPECT_TRUE(IsDefaultHandling(SIGINT));
}

} // namespace

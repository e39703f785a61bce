#include "platform/qt/SingleInstance.h"

#include "tests/gui/OtherThread.h"
#include "tests/gui/RuntimeFolder.h"

#include <chrono>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

namespace {

const QString kName = "Talvorin Single Instance Test";
const QString kTitle = "Talvorin Radio Controlled";

// Asks from a thread of its own, as a second process would, while this thread serves the
// holder's socket.
bool AskFromAnotherStart(const SingleInstance& asker, const QString& title) {
    bool raised = false;
    RunOnAnotherThread(
        [&] { raised = asker.AskHolderToRaise(title) == SingleInstance::Answer::kRaised; });
    return raised;
}

class SingleInstanceTest : public testing::Test {
protected:
    ScopedRuntimeFolder m_runtime;
};

TEST_F(SingleInstanceTest, TheFirstStartHoldsTheNameAndLaterStartsFindItTaken) {
    SingleInstance first(kName);
    SingleInstance second(kName);
    SingleInstance third(kName);
    EXPECT_TRUE(first.Claim());
    EXPECT_FALSE(second.Claim());
    EXPECT_FALSE(third.Claim());
    SingleInstance otherName("Another Program");
    EXPECT_TRUE(otherName.Claim());
}

TEST_F(SingleInstanceTest, TheNameIsFreeOnceTheHolderIsGone) {
    {
        SingleInstance first(kName);
        ASSERT_TRUE(first.Claim());
    }
    SingleInstance next(kName);
    EXPECT_TRUE(next.Claim());
}

TEST_F(SingleInstanceTest, ASocketLeftByAHolderThatDiedIsReplaced) {
    QFile stale(m_runtime.Path() + '/' + kName + ".socket");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance first(kName);
    ASSERT_TRUE(first.Claim());
    QWidget window;
    window.setWindowTitle(kTitle);
    window.show();
    SingleInstance second(kName);
    ASSERT_FALSE(second.Claim());
    EXPECT_TRUE(AskFromAnotherStart(second, kTitle));
}

// A holder that is ending no longer raises its window: it tells a later start to wait for it.
TEST_F(SingleInstanceTest, AnEndingHolderSaysSoInsteadOfRaisingItsWindow) {
    SingleInstance first(kName);
    ASSERT_TRUE(first.Claim());
    QWidget window;
    window.setWindowTitle(kTitle);
    window.showMinimized();
    first.Withdraw();
    SingleInstance second(kName);
    ASSERT_FALSE(second.Claim());
    SingleInstance::Answer answer = SingleInstance::Answer::kNoAnswer;
    RunOnAnotherThread([&] { answer = second.AskHolderToRaise(kTitle); });
    EXPECT_EQ(answer, SingleInstance::Answer::kEnding);
    EXPECT_TRUE(window.isMinimized());
}

// The holder here is another open of the lock file, as another process would hold it.
TEST_F(SingleInstanceTest, AStartThatWaitsTakesTheNameOnceTheHolderHasLetGoOfIt) {
    const std::string lockPath = (m_runtime.Path() + '/' + kName + ".lock").toStdString();
    {
        SingleInstance first(kName); // makes the lock file
        ASSERT_TRUE(first.Claim());
    }
    int holder = open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);

    SingleInstance later(kName);
    EXPECT_FALSE(later.Claim(3 * SingleInstance::kClaimRetryMs)) << "still held";
    std::thread ending([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        close(holder);
    });
    EXPECT_TRUE(later.Claim(5000));
    ending.join();
    SingleInstance third(kName);
    EXPECT_FALSE(third.Claim());
}

TEST_F(SingleInstanceTest, WithoutAHolderNothingIsRaised) {
    SingleInstance lone(kName);
    EXPECT_EQ(lone.AskHolderToRaise(kTitle, 500), SingleInstance::Answer::kNoAnswer);
}

struct RaiseCase {
    const char* name;
    QString windowTitle;
    bool raised;
};

class RaiseTest : public SingleInstanceTest, public testing::WithParamInterface<RaiseCase> {};

// The second start looks for the one title; the window keeps it only while the monitor thread
// has set the English or Danish caption, outside test mode.
TEST_P(RaiseTest, OnlyTheExactTitleIsRestoredAndRaised) {
    SingleInstance first(kName);
    ASSERT_TRUE(first.Claim());
    QWidget window;
    window.setWindowTitle(GetParam().windowTitle);
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());

    SingleInstance second(kName);
    ASSERT_FALSE(second.Claim());
    EXPECT_EQ(AskFromAnotherStart(second, kTitle), GetParam().raised);
    EXPECT_EQ(window.isMinimized(), !GetParam().raised);
    EXPECT_TRUE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Titles, RaiseTest,
    testing::Values(RaiseCase{"English", "Talvorin Radio Controlled", true},
                    RaiseCase{"German", "Talvorin - Funk-Wetter-Station", false},
                    RaiseCase{"BeforeTheThreadSetsIt", "Untitled - Talvorin", false},
                    RaiseCase{"TestMode", "Talvorin Radio Controlled(---TEST MODE---)", false},
                    RaiseCase{"OtherCase", "talvorin radio controlled", false}),
    [](const testing::TestParamInfo<RaiseCase>& info) { return info.param.name; });

TEST_F(SingleInstanceTest, AHiddenWindowIsNotRaised) {
    QWidget hidden;
    hidden.setWindowTitle(kTitle);
    EXPECT_FALSE(RaiseWindowTitled(kTitle));
    hidden.show();
    EXPECT_TRUE(RaiseWindowTitled(kTitle));
}

} // namespace

// A new copy of the program finds the lock handed down in its environment; here the copy is a
// second object of this process, which gets a duplicate of the lock file as it would inherit it.
class SingleInstanceHandOverTest : public SingleInstanceTest {
protected:
    static void HandDown(int fd) {
        qputenv(SingleInstance::kHandedDownLockVariable, QByteArray::number(dup(fd)));
    }
    void TearDown() override { qunsetenv(SingleInstance::kHandedDownLockVariable); }
};

TEST_F(SingleInstanceHandOverTest, TheNewHolderHasTheNameWhileTheOldOneStillRuns) {
    auto old = std::make_unique<SingleInstance>(kName);
    ASSERT_TRUE(old->Claim());
    HandDown(old->HandOver());
    SingleInstance successor(kName);
    EXPECT_TRUE(successor.Claim());
    EXPECT_TRUE(qgetenv(SingleInstance::kHandedDownLockVariable).isEmpty());

    QWidget window;
    window.setWindowTitle(kTitle);
    window.show();
    SingleInstance later(kName);
    EXPECT_FALSE(later.Claim());
    EXPECT_TRUE(AskFromAnotherStart(later, kTitle)); // the successor answers

    old.reset();
    SingleInstance afterTheOldEnded(kName);
    EXPECT_FALSE(afterTheOldEnded.Claim());
    EXPECT_TRUE(AskFromAnotherStart(afterTheOldEnded, kTitle));
}

TEST_F(SingleInstanceHandOverTest, AnInstanceThatTookItsClaimBackAnswersAgain) {
    SingleInstance first(kName);
    ASSERT_TRUE(first.Claim());
    QWidget window;
    window.setWindowTitle(kTitle);
    window.show();
    ASSERT_GE(first.HandOver(), 0);
    SingleInstance later(kName);
    EXPECT_FALSE(later.Claim());
    EXPECT_FALSE(AskFromAnotherStart(later, kTitle)); // nobody answers during the hand-over
    first.TakeBack();
    EXPECT_TRUE(AskFromAnotherStart(later, kTitle));
}

TEST_F(SingleInstanceHandOverTest, AHandedDownFileThatIsNotTheLockGivesNoClaim) {
    SingleInstance first(kName);
    ASSERT_TRUE(first.Claim());
    QFile other(m_runtime.Path() + "/other");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    HandDown(other.handle());
    SingleInstance pretender(kName);
    EXPECT_FALSE(pretender.Claim());
}

TEST_F(SingleInstanceHandOverTest, AnInstanceWithoutALockHasNothingToHandOver) {
    SingleInstance second(kName);
    SingleInstance first(kName);
    ASSERT_TRUE(first.Claim());
    ASSERT_FALSE(second.Claim());
    EXPECT_EQ(second.HandOver(), -1);
}

#include "station/link/DebugLog.h"

#include "tests/core/RecordingDebugLog.h"

#include <atomic>
#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace {

struct SwitchCase {
    DebugLogKind kind;
    std::atomic<bool> CDebugLogSink::*box;
};

class DebugLogSwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(DebugLogSwitchTest, EachKindFollowsItsOwnBoxOnly) {
    RecordingDebugLog log;
    log.SwitchAll(true);
    log.*GetParam().box = false;
    EXPECT_FALSE(IsDebugLogOn(GetParam().kind));

    log.SwitchAll(false);
    log.*GetParam().box = true;
    EXPECT_TRUE(IsDebugLogOn(GetParam().kind));
}

INSTANTIATE_TEST_SUITE_P(Kinds, DebugLogSwitchTest,
                         testing::Values(SwitchCase{DEBUGLOG_READ, &CDebugLogSink::m_readDebug},
                                         SwitchCase{DEBUGLOG_WRITE, &CDebugLogSink::m_writeDebug},
                                         SwitchCase{DEBUGLOG_DATA, &CDebugLogSink::m_dataDebug},
                                         SwitchCase{DEBUGLOG_TEXT, &CDebugLogSink::m_writeDebug}));

TEST(DebugLog, WithoutTheDialogNothingIsOnAndNothingIsSent) {
    ASSERT_EQ(g_debugDlg.load(), nullptr);
    for (DebugLogKind kind : {DEBUGLOG_READ, DEBUGLOG_WRITE, DEBUGLOG_DATA, DEBUGLOG_TEXT})
        EXPECT_FALSE(IsDebugLogOn(kind));
    SendDebugLog("historyRecords->0");
    const CWeatherSettings settings;
    SendDebugLog(DEBUGLOG_READ, settings, false);
}

TEST(DebugLog, SendsOnlyWhenTheBoxIsTickedAndTheCallIsNotQuiet) {
    RecordingDebugLog log;
    const CWeatherSettings settings;

    SendDebugLog(DEBUGLOG_READ, settings, false);
    SendDebugLog("historyRecords->0");
    EXPECT_TRUE(log.m_reports.empty()) << "boxes clear";

    log.SwitchAll(true);
    SendDebugLog(DEBUGLOG_READ, settings, true);
    SendDebugLog(DEBUGLOG_WRITE, settings, true);
    EXPECT_TRUE(log.m_reports.empty()) << "quiet calls";

    SendDebugLog(DEBUGLOG_WRITE, settings, false);
    SendDebugLog("historyRecords->0");
    ASSERT_EQ(log.m_reports.size(), 2u);
    EXPECT_EQ(log.m_reports[0].kind, DEBUGLOG_WRITE);
    EXPECT_EQ(log.m_reports[1].kind, DEBUGLOG_TEXT);
    EXPECT_EQ(log.m_reports[1].text, "historyRecords->0");
}

TEST(DebugLog, ADetachWaitsForTheReportUnderWayAndNoLaterReportArrives) {
    auto log = std::make_unique<RecordingDebugLog>();
    log->SwitchAll(true);
    std::promise<void> arrived;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    log->m_onReport = [&](const RecordingDebugLog::Report&) {
        arrived.set_value();
        released.wait();
    };
    std::thread sender([] { SendDebugLog("historyRecords->0"); });
    arrived.get_future().wait();

    int pauses = 0;
    DetachDebugLog(log.get(), [&] {
        if (++pauses == 3)
            release.set_value();
        std::this_thread::yield();
    });
    EXPECT_GE(pauses, 3); // it did not return while the report was under way
    EXPECT_EQ(g_debugDlg.load(), nullptr);
    sender.join();
    EXPECT_EQ(log->m_reports.size(), 1u);

    log->m_onReport = nullptr;
    SendDebugLog("historyRecords->0");
    EXPECT_EQ(log->m_reports.size(), 1u);
}

TEST(DebugLog, ADetachOfAnotherReceiverLeavesTheDialog) {
    RecordingDebugLog other;
    RecordingDebugLog log; // the one in place now
    DetachDebugLog(&other, [] { FAIL() << "nothing to wait for"; });
    EXPECT_EQ(g_debugDlg.load(), &log);
}

} // namespace

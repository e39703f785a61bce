#include "station/threads/StatusText.h"

#include "tests/core/RecordingStatusTarget.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using FakeFrame = RecordingStatusTarget;

TEST(StatusText, ANullTargetGetsNothing) {
    EXPECT_EQ(SetStatusText(nullptr, "text"), 0);
}

TEST(StatusText, ADestroyedWindowGetsNothing) {
    FakeFrame frame;
    frame.window = false;
    frame.result = 7;
    EXPECT_EQ(SetStatusText(&frame, "text"), 0);
    EXPECT_TRUE(frame.shown.empty());
}

TEST(StatusText, TheWindowGetsTheTextAndItsResultComesBack) {
    FakeFrame frame;
    frame.result = 7;
    std::snprintf(g_statusText, kStatusTextSize, "%d %s ...", 12, "Data has been read.");
    EXPECT_EQ(SetStatusText(&frame, g_statusText), 7);
    EXPECT_EQ(frame.shown, std::vector<std::string>{"12 Data has been read. ..."});
}

} // namespace

#include "platform/Sizer.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int kClientWidth = 278, kClientHeight = 293;

// The resizable debug window: its log grows with the window, its buttons and boxes keep their
// distance to the right edge.
struct DebugWindowControl {
    int id;
    SizerRect rect;
    int anchor;
};
const std::vector<DebugWindowControl> kDebugWindow = {
    {1025, {0, 0, 215, 290}, kAnchorGrow},    {1027, {220, 10, 52, 10}, kAnchorRight},
    {1026, {220, 42, 56, 10}, kAnchorRight},  {1028, {220, 26, 52, 10}, kAnchorRight},
    {1031, {219, 90, 53, 8}, kAnchorRight},   {1056, {220, 99, 50, 14}, kAnchorRight},
    {1029, {220, 65, 50, 14}, kAnchorRight},  {1030, {220, 116, 50, 14}, kAnchorRight},
    {1022, {220, 135, 50, 14}, kAnchorRight}, {2, {220, 154, 50, 14}, kAnchorRight},
};

std::unique_ptr<CSizerGroup> DebugWindowGroup() {
    auto group = std::make_unique<CSizerGroup>(300, 330);
    for (const DebugWindowControl& control : kDebugWindow)
        group->Add(std::make_unique<CSizer>(control.id, control.rect, kClientWidth, kClientHeight,
                                            control.anchor));
    return group;
}

using Placement = std::vector<std::pair<int, SizerRect>>;

Placement Place(const CSizerGroup& group, int width, int height) {
    Placement placement;
    group.Reposition(width, height,
                     [&](int id, const SizerRect& rect) { placement.emplace_back(id, rect); });
    return placement;
}

TEST(SizerGroup, GrowingTheDebugWindowMovesTheButtonsAndGrowsTheLog) {
    const auto group = DebugWindowGroup();
    const Placement placement = Place(*group, kClientWidth + 100, kClientHeight + 50);

    ASSERT_EQ(placement.size(), kDebugWindow.size());
    for (std::size_t i = 0; i < kDebugWindow.size(); ++i) {
        const DebugWindowControl& control = kDebugWindow[i];
        SizerRect expected = control.rect;
        if (control.anchor == kAnchorGrow) {
            expected.width += 100;
            expected.height += 50;
        } else {
            expected.left += 100;
        }
        EXPECT_EQ(placement[i].first, control.id) << "in the order added";
        EXPECT_EQ(placement[i].second, expected) << "control " << control.id;
    }
}

TEST(SizerGroup, MinimisingAndRestoringGivesThePlacesOfTheRestoredSize) {
    const auto group = DebugWindowGroup();
    const Placement minimised = Place(*group, 0, 0);
    EXPECT_EQ(minimised[0].second, (SizerRect{0, 0, 215 - kClientWidth, 290 - kClientHeight}));
    EXPECT_EQ(minimised[1].second, (SizerRect{220 - kClientWidth, 10, 52, 10}));

    const Placement restored = Place(*group, kClientWidth, kClientHeight);
    for (std::size_t i = 0; i < kDebugWindow.size(); ++i)
        EXPECT_EQ(restored[i].second, kDebugWindow[i].rect) << "control " << kDebugWindow[i].id;

    Place(*group, 0, 0);
    EXPECT_EQ(Place(*group, 500, 400), Place(*DebugWindowGroup(), 500, 400));
}

TEST(SizerGroup, AnySequenceOfSizesEndsLikeADirectChange) {
    const auto group = DebugWindowGroup();
    group->Add(std::make_unique<CSizer>(7, SizerRect{13, 17, 41, 23}, kClientWidth, kClientHeight,
                                        0.3f, 0.7f, 0.45f, 0.55f));
    const Placement direct = Place(*group, 431, 377);

    const std::vector<std::pair<int, int>> sizes = {{279, 294}, {0, 0},   {1000, 20}, {3, 900},
                                                    {277, 292}, {-5, -5}, {431, 376}};
    for (const auto& [width, height] : sizes)
        Place(*group, width, height);
    EXPECT_EQ(Place(*group, 431, 377), direct);
}

TEST(SizerGroup, AnAnchorOfUnknownTypeLeavesItsControlWhereItIs) {
    CSizerGroup group(10, 10);
    group.Add(std::make_unique<CSizer>(1, SizerRect{1, 2, 3, 4}, 100, 100, kAnchorRight));
    group.Add(std::make_unique<CSizer>(2, SizerRect{1, 2, 3, 4}, 100, 100, 10));
    group.Add(std::make_unique<CSizer>(3, SizerRect{1, 2, 3, 4}, 100, 100, -1));
    group.Add(std::make_unique<CSizer>(4, SizerRect{1, 2, 3, 4}, 100, 100, kAnchorBottom));

    const Placement placement = Place(group, 120, 130);
    ASSERT_EQ(placement.size(), 2u);
    EXPECT_EQ(placement[0], std::make_pair(1, SizerRect{21, 2, 3, 4}));
    EXPECT_EQ(placement[1], std::make_pair(4, SizerRect{1, 32, 3, 4}));

    SizerRect untouched{9, 9, 9, 9};
    EXPECT_FALSE(group.Sizers()[1]->Reposition(120, 130, untouched));
    EXPECT_EQ(untouched, (SizerRect{9, 9, 9, 9}));
}

struct AnchorCase {
    int anchor;
    SizerRect moved; // from {10, 20, 30, 40} when the parent grows by 7 x -5
};

class SizerAnchorTest : public testing::TestWithParam<AnchorCase> {};

TEST_P(SizerAnchorTest, EdgesFollowTheParentByTheAnchorType) {
    const CSizer sizer(1, {10, 20, 30, 40}, 200, 100, GetParam().anchor);
    SizerRect rect;
    ASSERT_TRUE(sizer.Reposition(207, 95, rect));
    EXPECT_EQ(rect, GetParam().moved);
    ASSERT_TRUE(sizer.Reposition(200, 100, rect));
    EXPECT_EQ(rect, (SizerRect{10, 20, 30, 40})) << "the captured place at the captured size";
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SizerAnchorTest,
                         testing::Values(AnchorCase{kAnchorProportional, {10, 20, 30, 40}},
                                         AnchorCase{kAnchorFixed, {10, 20, 30, 40}},
                                         AnchorCase{kAnchorBottomRight, {17, 15, 30, 40}},
                                         AnchorCase{kAnchorGrow, {10, 20, 37, 35}},
                                         AnchorCase{kAnchorGrowDown, {10, 20, 30, 35}},
                                         AnchorCase{kAnchorGrowRight, {10, 20, 37, 40}},
                                         AnchorCase{kAnchorRightGrowDown, {17, 20, 30, 35}},
                                         AnchorCase{kAnchorBottomGrowRight, {10, 15, 37, 40}},
                                         AnchorCase{kAnchorBottom, {10, 15, 30, 40}},
                                         AnchorCase{kAnchorRight, {17, 20, 30, 40}}));

TEST(Sizer, ProportionalSumsAreTruncatedTowardZero) {
    const CSizer sizer(1, {10, 10, 10, 10}, 100, 100, 0.5f, 0.25f, 0.5f, 1.0f / 3.0f);
    SizerRect rect;
    ASSERT_TRUE(sizer.Reposition(105, 107, rect));
    EXPECT_EQ(rect, (SizerRect{12, 13, 11, 12})) << "12.5, 13.5, 11.25, 12.33";

    ASSERT_TRUE(sizer.Reposition(75, 69, rect));
    EXPECT_EQ(rect, (SizerRect{-2, -5, 3, 0})) << "-2.5, -5.5, 3.75, -0.33";
}

// A window of 300 x 200 at its minimum, and one of its edges dragged 50 past it both ways.
constexpr int kMinWidth = 300, kMinHeight = 200;
constexpr SizerWindowRect kAtMinimum{100, 100, 400, 300};

struct ClampCase {
    int edge;
    SizerWindowRect dragged;
};

class SizerClampTest : public testing::TestWithParam<ClampCase> {};

TEST_P(SizerClampTest, TheDraggedEdgeStopsAtTheMinimumAndTheOtherEdgesStay) {
    const CSizerGroup group(kMinWidth, kMinHeight);
    SizerWindowRect rect = GetParam().dragged;
    group.ClampSizing(GetParam().edge, rect);
    EXPECT_EQ(rect, kAtMinimum);
}

INSTANTIATE_TEST_SUITE_P(EightEdges, SizerClampTest,
                         testing::Values(ClampCase{kEdgeLeft, {250, 100, 400, 300}},
                                         ClampCase{kEdgeRight, {100, 100, 250, 300}},
                                         ClampCase{kEdgeTop, {100, 250, 400, 300}},
                                         ClampCase{kEdgeBottom, {100, 100, 400, 150}},
                                         ClampCase{kEdgeTopLeft, {250, 250, 400, 300}},
                                         ClampCase{kEdgeTopRight, {100, 250, 250, 300}},
                                         ClampCase{kEdgeBottomLeft, {250, 100, 400, 150}},
                                         ClampCase{kEdgeBottomRight, {100, 100, 250, 150}}));

TEST(SizerClamp, ACornerBelowTheMinimumInOneDirectionIsCorrectedOnlyThere) {
    const CSizerGroup group(kMinWidth, kMinHeight);
    SizerWindowRect narrow{100, 100, 250, 500};
    group.ClampSizing(kEdgeBottomRight, narrow);
    EXPECT_EQ(narrow, (SizerWindowRect{100, 100, 400, 500}));

    SizerWindowRect low{50, 250, 400, 300};
    group.ClampSizing(kEdgeTopLeft, low);
    EXPECT_EQ(low, (SizerWindowRect{50, 100, 400, 300}));
}

TEST(SizerClamp, SideEdgesNeverCorrectTheOtherDirection) {
    const CSizerGroup group(kMinWidth, kMinHeight);
    const SizerWindowRect small{100, 100, 200, 150};
    for (int edge : {kEdgeLeft, kEdgeRight}) {
        SizerWindowRect rect = small;
        group.ClampSizing(edge, rect);
        EXPECT_EQ(rect.bottom - rect.top, 50) << "edge " << edge;
    }
    for (int edge : {kEdgeTop, kEdgeBottom}) {
        SizerWindowRect rect = small;
        group.ClampSizing(edge, rect);
        EXPECT_EQ(rect.right - rect.left, 100) << "edge " << edge;
    }
}

TEST(SizerClamp, AWindowAtOrAboveTheMinimumIsLeftAlone) {
    const CSizerGroup group(kMinWidth, kMinHeight);
    for (int edge = kEdgeLeft; edge <= kEdgeBottomRight; ++edge) {
        SizerWindowRect rect = kAtMinimum;
        group.ClampSizing(edge, rect);
        EXPECT_EQ(rect, kAtMinimum) << "edge " << edge;
        SizerWindowRect large{-10, -20, 900, 700};
        group.ClampSizing(edge, large);
        EXPECT_EQ(large, (SizerWindowRect{-10, -20, 900, 700})) << "edge " << edge;
    }
}

} // namespace

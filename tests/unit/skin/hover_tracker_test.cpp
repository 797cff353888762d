#include <gtest/gtest.h>

#include <vector>

#include "skin/hover_tracker.h"

namespace {

// The skinned dialogs' OK, Cancel and close buttons.
const std::vector<Rect> kDialogButtons{{166, 253, 271, 274}, {270, 253, 375, 274}, {352, 6, 370, 24}};

struct PickCase {
    Point p;
    std::optional<std::size_t> picked;
};

class PickRect : public testing::TestWithParam<PickCase> {};

TEST_P(PickRect, RightHandButtonTakesTheSharedColumn) {
    EXPECT_EQ(pickRect(kDialogButtons, GetParam().p), GetParam().picked);
}

INSTANTIATE_TEST_SUITE_P(DialogButtons, PickRect,
                         testing::Values(PickCase{{166, 253}, 0}, PickCase{{269, 273}, 0},
                                         PickCase{{270, 253}, 1}, PickCase{{374, 273}, 1},
                                         PickCase{{375, 273}, std::nullopt},
                                         PickCase{{200, 274}, std::nullopt}, PickCase{{352, 23}, 2},
                                         PickCase{{165, 260}, std::nullopt}));

TEST(PickRect, OverlapInAnotherRowKeepsTheFirstMatch) {
    // A later rectangle that is not a neighbour in the same row does not take over.
    const std::vector<Rect> stacked{{0, 0, 100, 100}, {50, 10, 150, 60}};
    EXPECT_EQ(pickRect(stacked, {60, 20}), 0u);
}

TEST(HoverTracker, DialogOkAndCancelSwitchTogether) {
    HoverTracker tracker(kDialogButtons);
    EXPECT_EQ(tracker.onMouseHover({200, 260}).redraws, (std::vector<HoverRedraw>{{0, true}}));
    EXPECT_TRUE(tracker.isLit(0));
    EXPECT_EQ(tracker.onMouseHover({300, 260}).redraws, (std::vector<HoverRedraw>{{0, false}, {1, true}}));
    EXPECT_FALSE(tracker.isLit(0));
    EXPECT_EQ(tracker.onMouseMove({10, 10}).redraws, (std::vector<HoverRedraw>{{1, false}}));
    EXPECT_FALSE(tracker.isLit(1));
}

TEST(HoverTracker, ResetForgetsLitItemsWithoutDrawing) {
    HoverTracker tracker(kDialogButtons);
    tracker.onMouseHover({360, 10});
    tracker.reset();
    EXPECT_FALSE(tracker.isLit(2));
    EXPECT_TRUE(tracker.onMouseMove({10, 10}).redraws.empty());
}

} // namespace

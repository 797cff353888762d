#include <gtest/gtest.h>

#include "app/skinless_window.h"

namespace {

struct PlacementCase {
    const char* name;
    Rect workArea;
    Rect window;
};

class SkinlessWindow : public testing::TestWithParam<PlacementCase> {};

TEST_P(SkinlessWindow, StaysWholeInTheWorkArea) {
    EXPECT_EQ(skinlessWindowRect(GetParam().workArea), GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, SkinlessWindow,
    testing::Values(
        PlacementCase{"RoomyScreenCentresThePageSize", {0, 0, 1920, 1040}, {516, 190, 1404, 850}},
        PlacementCase{"ExactFit", {0, 0, 888, 660}, {0, 0, 888, 660}},
        PlacementCase{"LowScreenCutsTheHeight", {0, 0, 1280, 560}, {196, 0, 1084, 560}},
        PlacementCase{"SmallScreenCutsBoth", {0, 0, 800, 600}, {0, 0, 800, 600}},
        PlacementCase{"TaskbarOnTheLeftAndAboveShiftsIt", {60, 40, 1340, 800}, {256, 90, 1144, 750}},
        PlacementCase{"SecondMonitorLeftOfThePrimary", {-1280, 0, 0, 1024}, {-1084, 182, -196, 842}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

} // namespace

#include <gtest/gtest.h>

#include "app/page_switch.h"

namespace {

TEST(PageSwitch, FirstBasicBuildRunsTheExchangeOnce) {
    PageState state;
    const PageBuildPlan first = buildPage(state, Page::Basic);
    EXPECT_TRUE(first.build);
    EXPECT_TRUE(first.firstBuildExchange);
    EXPECT_EQ(first.tearDown, Page::Advanced);
    EXPECT_TRUE(first.pageChanges);
    EXPECT_EQ(state.activePage, Page::Basic);
    EXPECT_TRUE(state.basicPageInitialised);

    buildPage(state, Page::Advanced);
    const PageBuildPlan again = buildPage(state, Page::Basic);
    EXPECT_TRUE(again.build);
    EXPECT_FALSE(again.firstBuildExchange);
}

TEST(PageSwitch, BuildingTheShownPageDoesNothing) {
    PageState state{Page::Advanced, true};
    EXPECT_EQ(buildPage(state, Page::Advanced), PageBuildPlan{});
    EXPECT_EQ(state.activePage, Page::Advanced);
}

TEST(PageSwitch, AdvancedPageBuildsWithoutTheExchange) {
    PageState state{Page::Basic, false};
    const PageBuildPlan plan = buildPage(state, Page::Advanced);
    EXPECT_TRUE(plan.build);
    EXPECT_TRUE(plan.pageChanges);
    EXPECT_FALSE(plan.firstBuildExchange);
    EXPECT_EQ(plan.tearDown, Page::Basic);
    EXPECT_FALSE(state.basicPageInitialised);
}

TEST(PageSwitch, RebuildTearsDownTheShownPageAndBuildsItAgain) {
    PageState basic{Page::Basic, true};
    const PageBuildPlan basicPlan = rebuildShownPage(basic);
    EXPECT_TRUE(basicPlan.build);
    EXPECT_EQ(basicPlan.tearDown, Page::Basic);
    EXPECT_FALSE(basicPlan.firstBuildExchange);
    EXPECT_FALSE(basicPlan.pageChanges);
    EXPECT_EQ(basic.activePage, Page::Basic);

    PageState advanced{Page::Advanced, true};
    const PageBuildPlan advancedPlan = rebuildShownPage(advanced);
    EXPECT_TRUE(advancedPlan.build);
    EXPECT_EQ(advancedPlan.tearDown, Page::Advanced);
    EXPECT_FALSE(advancedPlan.pageChanges) << "the page is drawn again, a recording goes on";
    EXPECT_EQ(advanced.activePage, Page::Advanced);
}

TEST(PageSwitch, RebuildWithNoPageShownBuildsNothing) {
    PageState state;
    EXPECT_FALSE(rebuildShownPage(state).build);
    EXPECT_EQ(state.activePage, Page::None);
}

} // namespace

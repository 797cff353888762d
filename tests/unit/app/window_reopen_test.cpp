#include <gtest/gtest.h>

#include "app/window_reopen.h"

namespace {

TEST(WindowReopen, WithoutTheMouseOnlyTheBalloonShows) {
    PageState pages{Page::Basic, true};
    bool revertPending = true;
    const ReopenPlan plan = planWindowReopen(pages, revertPending, false);
    EXPECT_TRUE(plan.reportMouseMissing);
    EXPECT_FALSE(plan.showWindow);
    EXPECT_FALSE(plan.page.build);
    EXPECT_TRUE(revertPending) << "kept for the next opening with the mouse";
}

TEST(WindowReopen, AfterCancelTheBasicPageIsRebuiltWithLabelsReadAgain) {
    PageState pages{Page::Basic, true};
    bool revertPending = true;
    const ReopenPlan plan = planWindowReopen(pages, revertPending, true);
    EXPECT_FALSE(revertPending);
    EXPECT_TRUE(plan.rereadSettings);
    EXPECT_TRUE(plan.page.build);
    EXPECT_EQ(plan.page.tearDown, Page::Basic);
    EXPECT_FALSE(plan.page.firstBuildExchange);
    EXPECT_TRUE(plan.showWindow);
}

TEST(WindowReopen, AfterCancelTheAdvancedPageIsRebuiltWithoutRereading) {
    PageState pages{Page::Advanced, true};
    bool revertPending = true;
    const ReopenPlan plan = planWindowReopen(pages, revertPending, true);
    EXPECT_FALSE(plan.rereadSettings);
    EXPECT_TRUE(plan.page.loadMacroPage);
    EXPECT_EQ(pages.activePage, Page::Advanced);
}

TEST(WindowReopen, MousePluggedInAfterStartUpBuildsTheBasicPageOnce) {
    PageState pages;
    bool revertPending = false;
    const ReopenPlan first = planWindowReopen(pages, revertPending, true);
    EXPECT_TRUE(first.page.build);
    EXPECT_TRUE(first.page.firstBuildExchange);
    EXPECT_EQ(pages.activePage, Page::Basic);
    const ReopenPlan second = planWindowReopen(pages, revertPending, true);
    EXPECT_FALSE(second.page.build);
    EXPECT_TRUE(second.showWindow);
}

TEST(WindowReopen, PlainReopenJustShows) {
    PageState pages{Page::Advanced, true};
    bool revertPending = false;
    const ReopenPlan plan = planWindowReopen(pages, revertPending, true);
    EXPECT_FALSE(plan.page.build);
    EXPECT_FALSE(plan.rereadSettings);
    EXPECT_TRUE(plan.showWindow);
}

} // namespace

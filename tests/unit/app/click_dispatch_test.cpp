#include <gtest/gtest.h>

#include <optional>

#include "app/click_dispatch.h"
#include "app/hot_area.h"

namespace {

ClickContext connected(Page page) {
    ClickContext context;
    context.activePage = page;
    context.deviceConnected = true;
    return context;
}

struct DispatchCase {
    const char* name;
    Page page;
    Point p;
    ClickAction action;
};

const DispatchCase kCases[] = {
    // The frame, and the pixel columns that two touching buttons share: the right-hand one takes it.
    {"okLeftEdge", Page::Basic, {562, 623}, ClickAction::Ok},
    {"okLastOwnColumn", Page::Basic, {665, 643}, ClickAction::Ok},
    {"okApplySharedColumn", Page::Basic, {666, 630}, ClickAction::Apply},
    {"applyLastOwnColumn", Page::Advanced, {769, 630}, ClickAction::Apply},
    {"applyCancelSharedColumn", Page::Advanced, {770, 630}, ClickAction::Cancel},
    {"cancelRightEdgeExcluded", Page::Basic, {875, 630}, ClickAction::ToPage},
    {"okBottomEdgeExcluded", Page::Basic, {600, 644}, ClickAction::ToPage},
    {"leftOfOk", Page::Basic, {561, 630}, ClickAction::ToPage},
    {"skins", Page::Basic, {718, 22}, ClickAction::OpenSkinsDialog},
    {"profiles", Page::Advanced, {677, 5}, ClickAction::OpenProfilesDialog},
    {"between profiles and skins", Page::Basic, {698, 10}, ClickAction::ToPage},
    {"minimise", Page::Basic, {825, 5}, ClickAction::HideWindow},
    {"close", Page::Advanced, {867, 22}, ClickAction::Exit},
    {"close right edge", Page::Advanced, {868, 22}, ClickAction::ToPage},
    {"advancedButtonFromBasic", Page::Basic, {60, 54}, ClickAction::ShowAdvancedPage},
    {"advancedButtonOnAdvanced", Page::Advanced, {99, 93}, ClickAction::None},
    {"basicButtonOnBasic", Page::Basic, {14, 54}, ClickAction::None},
    {"basicButtonFromAdvanced", Page::Advanced, {53, 93}, ClickAction::ShowBasicPage},
    {"basicButtonWithNoPage", Page::None, {20, 60}, ClickAction::ShowBasicPage},
    {"webLink", Page::Basic, {449, 644}, ClickAction::OpenWebLink},
    {"frameWithNoPage", Page::None, {700, 630}, ClickAction::Apply},
    {"pageAreaWithNoPage", Page::None, {300, 530}, ClickAction::DragWindow},
};

// Where a click on a page lands: the area that acts, nothing where the window is dragged.
struct PageTargetCase {
    const char* name;
    Page page;
    Point p;
    std::optional<HotAreaEntry> target;
};

const PageTargetCase kPageCases[] = {
    // The frame's edges that belong to no button: the page has no area there either.
    {"cancelRightEdgeExcluded", Page::Basic, {875, 630}, std::nullopt},
    {"okBottomEdgeExcluded", Page::Basic, {600, 644}, std::nullopt},
    {"leftOfOk", Page::Basic, {561, 630}, std::nullopt},
    {"close right edge", Page::Advanced, {868, 22}, std::nullopt},
    // Basic page
    {"modeA", Page::Basic, {253, 518}, HotAreaEntry{HotArea::ModeA, {}}},
    {"modeALastOwnColumn", Page::Basic, {356, 538}, HotAreaEntry{HotArea::ModeA, {}}},
    {"modeAModeBSharedColumn", Page::Basic, {357, 520}, HotAreaEntry{HotArea::ModeB, {}}},
    {"modeBRightEdgeExcluded", Page::Basic, {462, 520}, std::nullopt},
    {"keyDefault", Page::Basic, {411, 569}, HotAreaEntry{HotArea::KeyDefault, {}}},
    {"header1", Page::Basic, {252, 199}, HotAreaEntry{HotArea::AssignmentHeader, {}, 0}},
    {"header7LastRow", Page::Basic, {462, 357}, HotAreaEntry{HotArea::AssignmentHeader, {}, 6}},
    {"betweenHeaders1And2", Page::Basic, {300, 220}, std::nullopt},
    {"rate125", Page::Basic, {542, 204}, HotAreaEntry{HotArea::ReportRateSegment, {}, 0}},
    {"rate500", Page::Basic, {755, 214}, HotAreaEntry{HotArea::ReportRateSegment, {}, 2}},
    {"gapBetweenRates", Page::Basic, {612, 210}, std::nullopt},
    {"stageBox2", Page::Basic, {581, 541}, HotAreaEntry{HotArea::DpiStageCheckBox, {}, 1}},
    {"swatchOfEnabledStage", Page::Basic, {554, 523}, HotAreaEntry{HotArea::DpiColourSwatch, {}, 0}},
    {"swatchOfDisabledStage", Page::Basic, {610, 530}, HotAreaEntry{HotArea::DpiColourSwatch, {}, 2}},
    {"lightingEffect", Page::Basic, {850, 403}, HotAreaEntry{HotArea::LightingHeader, {}, 2}},
    {"dpiStage2Position5", Page::Basic, {581, 428}, HotAreaEntry{HotArea::DpiLevelCell, {}, 1, 4}},
    {"dpiStage4Position12", Page::Basic, {650, 317}, HotAreaEntry{HotArea::DpiLevelCell, {}, 3, 11}},
    {"dpiStage1Position1", Page::Basic, {554, 515}, HotAreaEntry{HotArea::DpiLevelCell, {}, 0, 0}},
    {"betweenDpiRows", Page::Basic, {560, 499}, std::nullopt},
    {"advancedAreaOnBasic", Page::Basic, {60, 260}, std::nullopt},
    // Advanced page
    {"precision", Page::Advanced, {51, 255}, HotAreaEntry{HotArea::PrecisionCheckBox, {}}},
    {"oneScreen", Page::Advanced, {66, 420}, HotAreaEntry{HotArea::OneScreenCheckBox, {}}},
    {"pointerDefault", Page::Advanced, {38, 584}, HotAreaEntry{HotArea::PointerDefault, {}}},
    {"recordStart", Page::Advanced, {763, 257}, HotAreaEntry{HotArea::RecordStart, {}}},
    {"recordStop", Page::Advanced, {735, 265}, HotAreaEntry{HotArea::RecordStop, {}}},
    {"new", Page::Advanced, {616, 530}, HotAreaEntry{HotArea::NewMacro, {}}},
    {"newDeleteSharedColumn", Page::Advanced, {617, 530}, HotAreaEntry{HotArea::DeleteMacro, {}}},
    {"deleteConfirmSharedColumn", Page::Advanced, {721, 548}, HotAreaEntry{HotArea::ConfirmMacro, {}}},
    {"mouseEventHeader", Page::Advanced, {853, 415}, HotAreaEntry{HotArea::MouseEventHeader, {}}},
    {"slider1Segment1", Page::Advanced, {52, 200}, HotAreaEntry{HotArea::PointerSliderSegment, {}, 0, 0}},
    {"slider1Segment2Boundary",
     Page::Advanced,
     {76, 210},
     HotAreaEntry{HotArea::PointerSliderSegment, {}, 0, 1}},
    {"slider2Segment5", Page::Advanced, {148, 355}, HotAreaEntry{HotArea::PointerSliderSegment, {}, 1, 4}},
    {"slider3Segment11", Page::Advanced, {315, 510}, HotAreaEntry{HotArea::PointerSliderSegment, {}, 2, 10}},
    {"pastSlider3", Page::Advanced, {316, 505}, std::nullopt},
    {"basicAreaOnAdvanced", Page::Advanced, {300, 530}, std::nullopt},
};

class ClickDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(ClickDispatch, TheFrameButtonsComeFirst) {
    const DispatchCase& c = GetParam();
    EXPECT_EQ(dispatchClick(connected(c.page), c.p).action, c.action);
}

INSTANTIATE_TEST_SUITE_P(BothPages, ClickDispatch, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    std::erase(name, ' ');
    return name;
});

class PageClickTarget : public testing::TestWithParam<PageTargetCase> {};

TEST_P(PageClickTarget, FirstMatchingAreaActs) {
    const PageTargetCase& c = GetParam();
    EXPECT_EQ(dispatchClick(connected(c.page), c.p).action, ClickAction::ToPage);
    const std::optional<HotAreaEntry> hit =
        clickTargetAt(c.page == Page::Basic ? basicPageAreas() : advancedPageAreas(), c.p);
    ASSERT_EQ(hit.has_value(), c.target.has_value());
    if (hit) {
        EXPECT_EQ(hit->area, c.target->area);
        EXPECT_EQ(hit->index, c.target->index);
        EXPECT_EQ(hit->subIndex, c.target->subIndex);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPages, PageClickTarget, testing::ValuesIn(kPageCases), [](const auto& info) {
    std::string name = info.param.name;
    std::erase(name, ' ');
    return name;
});

TEST(ClickDispatchDevice, OkAndApplyDoNothingWithoutTheMouseButCancelWorks) {
    ClickContext context = connected(Page::Basic);
    context.deviceConnected = false;
    EXPECT_EQ(dispatchClick(context, {600, 630}).action, ClickAction::None);
    EXPECT_EQ(dispatchClick(context, {700, 630}).action, ClickAction::None);
    EXPECT_EQ(dispatchClick(context, {800, 630}).action, ClickAction::Cancel);
}

TEST(ClickDispatchLists, OkApplyCancelAndSkinsCloseListsButMinimiseAndPageButtonsDoNot) {
    const ClickContext context = connected(Page::Basic);
    for (Point p : {Point{600, 630}, Point{700, 630}, Point{800, 630}, Point{710, 10}, Point{690, 10}}) {
        EXPECT_TRUE(dispatchClick(context, p).closePageLists) << p.x << "," << p.y;
    }
    for (Point p : {Point{830, 10}, Point{860, 10}, Point{70, 70}, Point{300, 640}}) {
        EXPECT_FALSE(dispatchClick(context, p).closePageLists) << p.x << "," << p.y;
    }
}

} // namespace

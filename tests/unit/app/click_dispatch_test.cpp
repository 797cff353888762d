#include <gtest/gtest.h>

#include "app/click_dispatch.h"

namespace {

ClickContext connected(Page page) {
    ClickContext context;
    context.activePage = page;
    context.deviceConnected = true;
    context.dpiStageEnabled = {true, true, false, true};
    return context;
}

struct DispatchCase {
    const char* name;
    Page page;
    Point p;
    ClickAction action;
    uint8_t first = 0;
    uint8_t second = 0;
};

const DispatchCase kCases[] = {
    // The frame, and the pixel columns that two touching buttons share: the right-hand one takes it.
    {"okLeftEdge", Page::Basic, {562, 623}, ClickAction::Ok},
    {"okLastOwnColumn", Page::Basic, {665, 643}, ClickAction::Ok},
    {"okApplySharedColumn", Page::Basic, {666, 630}, ClickAction::Apply},
    {"applyLastOwnColumn", Page::Advanced, {769, 630}, ClickAction::Apply},
    {"applyCancelSharedColumn", Page::Advanced, {770, 630}, ClickAction::Cancel},
    {"cancelRightEdgeExcluded", Page::Basic, {875, 630}, ClickAction::DragWindow},
    {"okBottomEdgeExcluded", Page::Basic, {600, 644}, ClickAction::DragWindow},
    {"leftOfOk", Page::Basic, {561, 630}, ClickAction::DragWindow},
    {"skins", Page::Basic, {718, 22}, ClickAction::OpenSkinsDialog},
    {"minimise", Page::Basic, {825, 5}, ClickAction::HideWindow},
    {"close", Page::Advanced, {867, 22}, ClickAction::Exit},
    {"close right edge", Page::Advanced, {868, 22}, ClickAction::DragWindow},
    {"advancedButtonFromBasic", Page::Basic, {60, 54}, ClickAction::ShowAdvancedPage},
    {"advancedButtonOnAdvanced", Page::Advanced, {99, 93}, ClickAction::None},
    {"basicButtonOnBasic", Page::Basic, {14, 54}, ClickAction::None},
    {"basicButtonFromAdvanced", Page::Advanced, {53, 93}, ClickAction::ShowBasicPage},
    {"basicButtonWithNoPage", Page::None, {20, 60}, ClickAction::ShowBasicPage},
    {"webLink", Page::Basic, {449, 644}, ClickAction::OpenWebLink},
    {"frameWithNoPage", Page::None, {700, 630}, ClickAction::Apply},
    {"pageAreaWithNoPage", Page::None, {300, 530}, ClickAction::DragWindow},
    // Basic page
    {"modeA", Page::Basic, {253, 518}, ClickAction::SelectKeyMode, 0},
    {"modeALastOwnColumn", Page::Basic, {356, 538}, ClickAction::SelectKeyMode, 0},
    {"modeAModeBSharedColumn", Page::Basic, {357, 520}, ClickAction::SelectKeyMode, 1},
    {"modeBRightEdgeExcluded", Page::Basic, {462, 520}, ClickAction::DragWindow},
    {"keyDefault", Page::Basic, {411, 569}, ClickAction::RestoreDefaultAssignments},
    {"header1", Page::Basic, {252, 199}, ClickAction::ToggleAssignmentList, 1},
    {"header7LastRow", Page::Basic, {462, 357}, ClickAction::ToggleAssignmentList, 7},
    {"betweenHeaders1And2", Page::Basic, {300, 220}, ClickAction::DragWindow},
    {"rate125", Page::Basic, {542, 204}, ClickAction::SelectReportRate, 1},
    {"rate500", Page::Basic, {755, 214}, ClickAction::SelectReportRate, 3},
    {"gapBetweenRates", Page::Basic, {612, 210}, ClickAction::DragWindow},
    {"stageBox2", Page::Basic, {581, 541}, ClickAction::ToggleDpiStage, 2},
    {"swatchOfEnabledStage", Page::Basic, {554, 523}, ClickAction::ChooseStageColour, 1},
    {"swatchOfDisabledStage", Page::Basic, {610, 530}, ClickAction::None},
    {"lightingEffect", Page::Basic, {850, 403}, ClickAction::ToggleLightingList, 3},
    {"dpiStage2Position5", Page::Basic, {581, 428}, ClickAction::SetDpiStep, 2, 5},
    {"dpiStage4Position12", Page::Basic, {650, 317}, ClickAction::SetDpiStep, 4, 12},
    {"dpiStage1Position1", Page::Basic, {554, 515}, ClickAction::SetDpiStep, 1, 1},
    {"betweenDpiRows", Page::Basic, {560, 499}, ClickAction::DragWindow},
    {"advancedAreaOnBasic", Page::Basic, {60, 260}, ClickAction::DragWindow},
    // Advanced page
    {"precision", Page::Advanced, {51, 255}, ClickAction::TogglePointerPrecision},
    {"oneScreen", Page::Advanced, {66, 420}, ClickAction::ToggleScrollOneScreen},
    {"pointerDefault", Page::Advanced, {38, 584}, ClickAction::RestorePointerDefaults},
    {"recordStart", Page::Advanced, {763, 257}, ClickAction::StartMacroRecording},
    {"recordStop", Page::Advanced, {735, 265}, ClickAction::StopMacroRecording},
    {"new", Page::Advanced, {616, 530}, ClickAction::NewMacro},
    {"newDeleteSharedColumn", Page::Advanced, {617, 530}, ClickAction::DeleteMacro},
    {"deleteConfirmSharedColumn", Page::Advanced, {721, 548}, ClickAction::SaveMacro},
    {"mouseEventHeader", Page::Advanced, {853, 415}, ClickAction::ToggleMouseEventList},
    {"slider1Segment1", Page::Advanced, {52, 200}, ClickAction::SetPointerSlider, 1, 1},
    {"slider1Segment2Boundary", Page::Advanced, {76, 210}, ClickAction::SetPointerSlider, 1, 2},
    {"slider2Segment5", Page::Advanced, {148, 355}, ClickAction::SetPointerSlider, 2, 5},
    {"slider3Segment11", Page::Advanced, {315, 510}, ClickAction::SetPointerSlider, 3, 11},
    {"pastSlider3", Page::Advanced, {316, 505}, ClickAction::DragWindow},
    {"basicAreaOnAdvanced", Page::Advanced, {300, 530}, ClickAction::DragWindow},
};

class ClickDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(ClickDispatch, FirstMatchingAreaActs) {
    const DispatchCase& c = GetParam();
    const ClickDecision decision = dispatchClick(connected(c.page), c.p);
    EXPECT_EQ(decision.action, c.action);
    EXPECT_EQ(decision.first, c.first);
    EXPECT_EQ(decision.second, c.second);
}

INSTANTIATE_TEST_SUITE_P(BothPages, ClickDispatch, testing::ValuesIn(kCases), [](const auto& info) {
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

TEST(ClickDispatchLists, ClickOutsideAnOpenAssignmentListClosesItAndTheDpiSubList) {
    ClickContext context = connected(Page::Basic);
    context.assignmentListOpen[0] = true;
    context.dpiSubListExists = true;
    const ClickDecision decision = dispatchClick(context, {700, 600});
    EXPECT_EQ(decision.action, ClickAction::DragWindow);
    EXPECT_TRUE(decision.closeLists.assignmentList[0]);
    EXPECT_TRUE(decision.closeLists.dpiSubList);
    EXPECT_FALSE(decision.closeLists.assignmentList[1]) << "a closed list is not closed again";
}

TEST(ClickDispatchLists, ClickOnAnotherHeaderClosesTheOpenListAndTogglesItsOwn) {
    ClickContext context = connected(Page::Basic);
    context.assignmentListOpen[6] = true;
    const ClickDecision decision = dispatchClick(context, {300, 250});
    EXPECT_EQ(decision.action, ClickAction::ToggleAssignmentList);
    EXPECT_EQ(decision.first, 3);
    EXPECT_TRUE(decision.closeLists.assignmentList[6]);
}

TEST(ClickDispatchLists, ClickOnTheOpenListsOwnHeaderLeavesItToTheToggle) {
    ClickContext context = connected(Page::Basic);
    context.assignmentListOpen[1] = true;
    const ClickDecision decision = dispatchClick(context, {300, 230});
    EXPECT_EQ(decision.action, ClickAction::ToggleAssignmentList);
    EXPECT_EQ(decision.first, 2);
    EXPECT_FALSE(decision.closeLists.assignmentList[1]);
}

TEST(ClickDispatchLists, LightingListClosesOnlyOutsideItsAreaAndHeader) {
    ClickContext context = connected(Page::Basic);
    context.lightingListOpen[1] = true;
    EXPECT_FALSE(dispatchClick(context, {800, 450}).closeLists.lightingList[1]) << "inside its list area";
    EXPECT_FALSE(dispatchClick(context, {800, 365}).closeLists.lightingList[1]) << "on its header";
    const ClickDecision onModeHeader = dispatchClick(context, {800, 335});
    EXPECT_TRUE(onModeHeader.closeLists.lightingList[1]);
    EXPECT_EQ(onModeHeader.action, ClickAction::ToggleLightingList);
    EXPECT_EQ(onModeHeader.first, 1);
}

TEST(ClickDispatchLists, MouseEventListClosesOnAnyOtherClickOfTheAdvancedPage) {
    ClickContext context = connected(Page::Advanced);
    context.mouseEventListOpen = true;
    EXPECT_FALSE(dispatchClick(context, {740, 405}).closeLists.mouseEventList);
    EXPECT_FALSE(dispatchClick(context, {740, 500}).closeLists.mouseEventList);
    const ClickDecision onNew = dispatchClick(context, {520, 530});
    EXPECT_EQ(onNew.action, ClickAction::NewMacro);
    EXPECT_TRUE(onNew.closeLists.mouseEventList);
}

TEST(ClickDispatchLists, OkApplyCancelAndSkinsCloseListsButMinimiseAndPageButtonsDoNot) {
    ClickContext context = connected(Page::Basic);
    context.lightingListOpen[0] = true;
    for (Point p : {Point{600, 630}, Point{700, 630}, Point{800, 630}, Point{710, 10}}) {
        EXPECT_TRUE(dispatchClick(context, p).closeLists.any()) << p.x << "," << p.y;
    }
    for (Point p : {Point{830, 10}, Point{860, 10}, Point{70, 70}, Point{300, 640}}) {
        EXPECT_FALSE(dispatchClick(context, p).closeLists.any()) << p.x << "," << p.y;
    }
}

TEST(ClickDispatchLists, BasicPageListsAreIgnoredOnTheAdvancedPage) {
    ClickContext context = connected(Page::Advanced);
    context.assignmentListOpen.fill(true);
    context.lightingListOpen.fill(true);
    EXPECT_FALSE(dispatchClick(context, {10, 300}).closeLists.any());
}

} // namespace

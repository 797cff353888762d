#include <gtest/gtest.h>

#include <vector>

#include "app/main_window_hover.h"

namespace {

// The lit (or unlit) buttons of an update, as area and index pairs.
std::vector<std::pair<HotArea, int>> redrawn(const MainWindowHoverUpdate& update, bool over) {
    std::vector<std::pair<HotArea, int>> result;
    for (const ButtonRedraw& redraw : update.redraws) {
        if (redraw.over == over) {
            result.emplace_back(redraw.button.area, redraw.button.index);
        }
    }
    return result;
}

using Areas = std::vector<std::pair<HotArea, int>>;

constexpr Point kOnOk{600, 630};
constexpr Point kOnApply{700, 630};
constexpr Point kEmpty{450, 100};

TEST(MainWindowHover, MoveInsideAButtonOnlyAsksForTheHoverNotice) {
    MainWindowHover hover;
    hover.showPage(Page::Basic);
    const MainWindowHoverUpdate update = hover.onMouseMove(kOnOk);
    EXPECT_TRUE(update.requestHoverNotice);
    EXPECT_TRUE(update.redraws.empty());
    EXPECT_FALSE(update.copyToWindow);
}

TEST(MainWindowHover, HoveringOkThenApplyLightsApplyAndPutsOkBack) {
    MainWindowHover hover;
    hover.showPage(Page::Basic);
    const MainWindowHoverUpdate ok = hover.onMouseHover(kOnOk);
    EXPECT_EQ(redrawn(ok, true), (Areas{{HotArea::Ok, 0}}));
    EXPECT_TRUE(ok.copyToWindow);

    EXPECT_TRUE(hover.onMouseMove(kOnApply).redraws.empty());
    const MainWindowHoverUpdate apply = hover.onMouseHover(kOnApply);
    EXPECT_EQ(redrawn(apply, false), (Areas{{HotArea::Ok, 0}}));
    EXPECT_EQ(redrawn(apply, true), (Areas{{HotArea::Apply, 0}}));
    ASSERT_EQ(apply.redraws.size(), 2u);
    EXPECT_FALSE(apply.redraws.front().over) << "the old button goes back before the new one lights";

    const MainWindowHoverUpdate away = hover.onMouseMove(kEmpty);
    EXPECT_FALSE(away.requestHoverNotice);
    EXPECT_EQ(redrawn(away, false), (Areas{{HotArea::Apply, 0}}));
    EXPECT_TRUE(away.copyToWindow);

    const MainWindowHoverUpdate again = hover.onMouseMove(kEmpty);
    EXPECT_TRUE(again.redraws.empty()) << "nothing lit, nothing drawn";
    EXPECT_FALSE(again.copyToWindow);
}

TEST(MainWindowHover, SkinsButtonGoesBackToNormalWhenThePointerMovesOff) {
    MainWindowHover hover;
    hover.showPage(Page::Advanced);
    EXPECT_EQ(redrawn(hover.onMouseHover({710, 10}), true), (Areas{{HotArea::Skins, 0}}));
    EXPECT_EQ(redrawn(hover.onMouseMove({720, 10}), false), (Areas{{HotArea::Skins, 0}}));
}

TEST(MainWindowHover, OnlyOneDropdownHeaderIsLit) {
    MainWindowHover hover;
    hover.showPage(Page::Basic);
    EXPECT_EQ(redrawn(hover.onMouseHover({300, 230}), true), (Areas{{HotArea::AssignmentHeader, 1}}));
    const MainWindowHoverUpdate fifth = hover.onMouseHover({300, 300});
    EXPECT_EQ(redrawn(fifth, false), (Areas{{HotArea::AssignmentHeader, 1}}));
    EXPECT_EQ(redrawn(fifth, true), (Areas{{HotArea::AssignmentHeader, 4}}));
}

TEST(MainWindowHover, JumpingBetweenGroupsNeverLeavesTwoButtonsLit) {
    MainWindowHover hover;
    hover.showPage(Page::Advanced);
    hover.onMouseHover({710, 10});
    const MainWindowHoverUpdate onNew = hover.onMouseHover({520, 530});
    EXPECT_EQ(redrawn(onNew, false), (Areas{{HotArea::Skins, 0}}));
    EXPECT_EQ(redrawn(onNew, true), (Areas{{HotArea::NewMacro, 0}}));
}

TEST(MainWindowHover, RepeatedNoticeDrawsTheSameButtonAgain) {
    MainWindowHover hover;
    hover.showPage(Page::Basic);
    hover.onMouseHover(kOnOk);
    const MainWindowHoverUpdate repeat = hover.onMouseHover(kOnOk);
    EXPECT_EQ(redrawn(repeat, true), (Areas{{HotArea::Ok, 0}}));
    EXPECT_TRUE(redrawn(repeat, false).empty());
}

TEST(MainWindowHover, NoticeOverNoButtonPutsLitButtonsBack) {
    MainWindowHover hover;
    hover.showPage(Page::Basic);
    hover.onMouseHover(kOnOk);
    EXPECT_EQ(redrawn(hover.onMouseHover(kEmpty), false), (Areas{{HotArea::Ok, 0}}));
}

struct SharedColumnCase {
    Page page;
    Point p;
    HotArea lit;
};

class HoverSharedColumn : public testing::TestWithParam<SharedColumnCase> {};

TEST_P(HoverSharedColumn, RightHandButtonLights) {
    MainWindowHover hover;
    hover.showPage(GetParam().page);
    EXPECT_EQ(redrawn(hover.onMouseHover(GetParam().p), true), (Areas{{GetParam().lit, 0}}));
}

INSTANTIATE_TEST_SUITE_P(TouchingButtons, HoverSharedColumn,
                         testing::Values(SharedColumnCase{Page::Basic, {666, 630}, HotArea::Apply},
                                         SharedColumnCase{Page::Basic, {770, 630}, HotArea::Cancel},
                                         SharedColumnCase{Page::Basic, {665, 630}, HotArea::Ok},
                                         SharedColumnCase{Page::Advanced, {617, 530}, HotArea::DeleteMacro},
                                         SharedColumnCase{
                                             Page::Advanced, {721, 530}, HotArea::ConfirmMacro}));

struct PageButtonCase {
    Page page;
    Point p;
    bool hoverCapable;
};

class HoverByPage : public testing::TestWithParam<PageButtonCase> {};

TEST_P(HoverByPage, OnlyTheShownPagesButtonsLight) {
    MainWindowHover hover;
    hover.showPage(GetParam().page);
    EXPECT_EQ(hover.onMouseMove(GetParam().p).requestHoverNotice, GetParam().hoverCapable);
}

INSTANTIATE_TEST_SUITE_P(Pages, HoverByPage,
                         testing::Values(PageButtonCase{Page::Basic, {300, 205}, true},     // header 1
                                         PageButtonCase{Page::Advanced, {300, 205}, false}, // no headers
                                         PageButtonCase{Page::Basic, {310, 555}, true},     // key Default
                                         PageButtonCase{Page::Basic, {260, 520}, false},    // Mode A
                                         PageButtonCase{Page::Advanced, {40, 590}, true},   // pointer Default
                                         PageButtonCase{
                                             Page::Basic, {40, 590}, false}, // pointer Default, Basic page
                                         PageButtonCase{Page::Advanced, {800, 540}, true}, // Confirm
                                         PageButtonCase{Page::None, {20, 60}, true},       // page button
                                         PageButtonCase{Page::None, {300, 205}, false}, // header 1, no page
                                         PageButtonCase{Page::Advanced, {740, 240}, false})); // record start

TEST(MainWindowHover, ShowingAPageForgetsLitButtons) {
    MainWindowHover hover;
    hover.showPage(Page::Basic);
    hover.onMouseHover(kOnOk);
    hover.showPage(Page::Advanced);
    EXPECT_TRUE(hover.onMouseMove(kEmpty).redraws.empty());
}

} // namespace

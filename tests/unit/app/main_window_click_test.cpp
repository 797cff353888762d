#include <gtest/gtest.h>

#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "app/main_window_click.h"
#include "assign/default_button_labels.h"

namespace {

struct RouteCase {
    const char* name;
    Page page;
    Point p;
    ClickAction action;
    bool pageTakes;     // the page's update comes back with the frame's action
    bool warns;         // that update carries a warning
    bool listStaysOpen; // the Basic page's list of button 3, open before the click
};

const RouteCase kCases[] = {
    {"okClosesTheList", Page::Basic, {600, 630}, ClickAction::Ok, false, false, false},
    {"skinsClosesTheList", Page::Basic, {718, 22}, ClickAction::OpenSkinsDialog, false, false, false},
    {"minimiseKeepsTheList", Page::Basic, {825, 5}, ClickAction::HideWindow, false, false, true},
    {"pageButtonKeepsTheList", Page::Basic, {60, 54}, ClickAction::ShowAdvancedPage, false, false, true},
    {"ownBoxClosesItsList", Page::Basic, {300, 250}, ClickAction::None, true, false, false},
    {"lastLeftClickBoxWarns", Page::Basic, {252, 199}, ClickAction::None, true, true, false},
    {"reportRate", Page::Basic, {755, 214}, ClickAction::None, true, false, false},
    {"noAreaDragsAndClosesTheList", Page::Basic, {700, 600}, ClickAction::DragWindow, false, false, false},
    {"precisionBox", Page::Advanced, {51, 255}, ClickAction::None, true, false, false},
    {"noAreaOnAdvanced", Page::Advanced, {300, 530}, ClickAction::DragWindow, false, false, false},
    {"applyWithNoPage", Page::None, {700, 630}, ClickAction::Apply, false, false, false},
    {"noPageDrags", Page::None, {300, 530}, ClickAction::DragWindow, false, false, false},
};

class MainWindowClickRoute : public testing::TestWithParam<RouteCase> {
protected:
    MainWindowClickRoute() {
        restoreDefaultAssignments(record);
        storeDefaultButtonLabels(settings, texts);
    }

    DeviceConfigRecord record{};
    AppSettings settings;
    UiTexts texts;
    BasicPageModel basic{record, settings, texts};
    AdvancedPageModel advanced{record, settings, texts};
};

// The frame's buttons first, closing the page's lists where they do, then the shown page; a click the
// page has no area for drags the window.
TEST_P(MainWindowClickRoute, FrameFirstThenThePage) {
    const RouteCase& c = GetParam();
    basic.toggleAssignmentList(ButtonIndex{2});
    PageClickModel* page = c.page == Page::Basic      ? static_cast<PageClickModel*>(&basic)
                           : c.page == Page::Advanced ? &advanced
                                                      : nullptr;
    const MainWindowClick click = routeMainWindowClick({c.page, true}, page, c.p);
    EXPECT_EQ(click.action, c.action);
    ASSERT_EQ(click.page.has_value(), c.pageTakes);
    if (click.page) {
        EXPECT_EQ(click.page->notice.has_value(), c.warns);
    }
    if (c.page == Page::Basic) {
        EXPECT_EQ(basic.assignmentListOpen(ButtonIndex{2}), c.listStaysOpen);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPages, MainWindowClickRoute, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

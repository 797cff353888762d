#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/page_controls.h"

namespace {

// A plain top-level window standing in for the main window.
class ParentWindow {
public:
    ParentWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 900, 700, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~ParentWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

RECT childRect(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(PageControls, ChildTakesIdRectangleTextAndFont) {
    ParentWindow parent;
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HWND edit = createPageControl(parent.get(), L"EDIT", L"12", ES_CENTER | ES_NUMBER,
                                        {735, 360, 854, 378}, PageControls::kLoopTimesEditId, font);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetParent(edit), parent.get());
    EXPECT_EQ(GetDlgCtrlID(edit), 149);
    const RECT rect = childRect(parent.get(), edit);
    EXPECT_EQ(rect.left, 735);
    EXPECT_EQ(rect.top, 360);
    EXPECT_EQ(rect.right, 854);
    EXPECT_EQ(rect.bottom, 378);
    EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), font);
    wchar_t text[8]{};
    GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(text, L"12");
}

struct PageTeardown {
    bool basic;
};

class PageControlsTeardown : public testing::TestWithParam<PageTeardown> {};

// Each page's tear-down destroys its own windows and forgets its open lists, and leaves the other
// page's windows alone.
TEST_P(PageControlsTeardown, DestroysOnlyItsOwnPage) {
    ParentWindow parent;
    PageControls controls;
    const auto child = [&](int id) {
        return createPageControl(parent.get(), L"LISTBOX", L"", 0, {0, 0, 10, 10}, id, nullptr);
    };
    controls.assignmentLists[2].reset(child(PageControls::kFirstAssignmentListId + 2));
    controls.assignmentListOpen[2] = true;
    controls.dpiSubList.reset(child(PageControls::kDpiSubListId));
    controls.lightingLists[1].reset(child(PageControls::kFirstLightingListId + 1));
    controls.lightingListOpen[1] = true;
    controls.stageSwatches[0].reset(child(PageControls::kFirstStageSwatchId));
    controls.lightingTexts[2].reset(child(PageControls::kFirstLightingTextId + 2));
    controls.macroListBox.reset(child(PageControls::kMacroListBoxId));
    controls.mouseEventList.reset(child(PageControls::kMouseEventListId));
    controls.mouseEventListOpen = true;
    const HWND basicWindows[] = {controls.assignmentLists[2].get(), controls.dpiSubList.get(),
                                 controls.lightingLists[1].get(), controls.stageSwatches[0].get(),
                                 controls.lightingTexts[2].get()};
    const HWND advancedWindows[] = {controls.macroListBox.get(), controls.mouseEventList.get()};

    if (GetParam().basic) {
        controls.destroyBasicPage();
    } else {
        controls.destroyAdvancedPage();
    }

    for (HWND window : basicWindows) {
        EXPECT_EQ(IsWindow(window) != FALSE, !GetParam().basic);
    }
    for (HWND window : advancedWindows) {
        EXPECT_EQ(IsWindow(window) != FALSE, GetParam().basic);
    }
    EXPECT_EQ(controls.assignmentListOpen[2], !GetParam().basic);
    EXPECT_EQ(controls.lightingListOpen[1], !GetParam().basic);
    EXPECT_EQ(controls.mouseEventListOpen, GetParam().basic);
    EXPECT_EQ(controls.dpiSubList.valid(), !GetParam().basic);
    EXPECT_EQ(controls.macroListBox.valid(), GetParam().basic);
}

INSTANTIATE_TEST_SUITE_P(BothPages, PageControlsTeardown,
                         testing::Values(PageTeardown{true}, PageTeardown{false}));

} // namespace

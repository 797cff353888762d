#include <gtest/gtest.h>

#include <windows.h>

#include "app/page_control_ids.h"
#include "app/win/advanced_page_view.h"
#include "app/win/basic_page_view.h"
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
                                        {735, 360, 854, 378}, page_control_id::kLoopTimesEdit, font);
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

// A main window for the page views: draws nothing and shows no message.
class PageHostStub : public PageHost {
public:
    HWND window() const override { return parent_.get(); }
    HINSTANCE instance() const override { return GetModuleHandleW(nullptr); }
    HFONT normalFont() const override { return nullptr; }
    const UiTexts& texts() const override { return texts_; }
    DialogLook dialogLook() const override { return {}; }
    void drawIntoCanvas(const std::vector<PaintElement>&) override {}
    void repaintPage() override {}
    void showNotice(const Notice&) override {}

private:
    ParentWindow parent_;
    UiTexts texts_;
};

struct PageTeardown {
    bool basic;
};

class PageControlsTeardown : public testing::TestWithParam<PageTeardown> {};

// Each page's tear-down destroys its own windows and leaves the other page's windows alone.
TEST_P(PageControlsTeardown, DestroysOnlyItsOwnPage) {
    PageHostStub host;
    DeviceConfigRecord record{};
    AppSettings settings;
    BasicPageView basic(host, record, settings, host.texts());
    AdvancedPageView advanced(host, record, settings, host.texts());
    basic.createControls();
    advanced.createControls();
    const int basicIds[] = {page_control_id::kFirstStageSwatch, page_control_id::kLastStageSwatch,
                            page_control_id::kFirstLightingText, page_control_id::kLastLightingText};
    const int advancedIds[] = {page_control_id::kMouseEventHeaderText, page_control_id::kLoopTimesEdit,
                               page_control_id::kMacroNameEdit, page_control_id::kMacroListBox,
                               page_control_id::kEventListBox};
    for (int id : basicIds) {
        ASSERT_NE(GetDlgItem(host.window(), id), nullptr) << id;
    }
    for (int id : advancedIds) {
        ASSERT_NE(GetDlgItem(host.window(), id), nullptr) << id;
    }

    if (GetParam().basic) {
        basic.destroyControls();
    } else {
        advanced.destroyControls();
    }

    for (int id : basicIds) {
        EXPECT_EQ(GetDlgItem(host.window(), id) != nullptr, !GetParam().basic) << id;
    }
    for (int id : advancedIds) {
        EXPECT_EQ(GetDlgItem(host.window(), id) != nullptr, GetParam().basic) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(BothPages, PageControlsTeardown,
                         testing::Values(PageTeardown{true}, PageTeardown{false}));

} // namespace

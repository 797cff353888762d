#include <gtest/gtest.h>

#include <windows.h>

#include "app/page_control_ids.h"
#include "app/win/advanced_page_view.h"
#include "app/win/basic_page_view.h"
#include "app/win/page_controls.h"
#include "settings/win/win32_pointer_system.h"

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
    Win32PointerSystem system;
    PointerSettings pointer(record, system, host.texts());
    DeviceConfigRecord applied{};
    const DataPaths paths;
    BasicPageView basic(host, record, settings, host.texts());
    AdvancedPageView advanced(host, record, settings, host.texts(), pointer, applied, paths);
    basic.show();
    advanced.show();
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
        basic.hide(false);
    } else {
        advanced.hide(false);
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

// Each page colours its own controls by their look; the rest keep the plain look of their kind.
TEST(PageControlColours, EachPageColoursItsOwnControls) {
    PageHostStub host;
    DeviceConfigRecord record{};
    record.stageColor[1] = {1, 2, 3};
    AppSettings settings;
    Win32PointerSystem system;
    PointerSettings pointer(record, system, host.texts());
    DeviceConfigRecord applied{};
    const DataPaths paths;
    BasicPageView basic(host, record, settings, host.texts());
    AdvancedPageView advanced(host, record, settings, host.texts(), pointer, applied, paths);
    basic.show();
    advanced.show();
    constexpr TextColour kText{12, 34, 56};
    const auto colourOf = [&](const PageFeature& page, int id, UINT message) {
        return page.controlColour(message, GetDlgItem(host.window(), id), kText);
    };
    namespace id = page_control_id;
    EXPECT_EQ(colourOf(basic, id::kFirstStageSwatch + 1, WM_CTLCOLORSTATIC), stageSwatchColour({1, 2, 3}));
    EXPECT_EQ(colourOf(basic, id::kLastLightingText, WM_CTLCOLORSTATIC), dropDownHeaderColour(kText));
    EXPECT_EQ(colourOf(basic, id::kMacroListBox, WM_CTLCOLORLISTBOX), std::nullopt) << "not the Basic page's";
    EXPECT_EQ(colourOf(advanced, id::kMouseEventHeaderText, WM_CTLCOLORSTATIC), dropDownHeaderColour(kText));
    EXPECT_EQ(colourOf(advanced, id::kEventListBox, WM_CTLCOLORLISTBOX), macroListColour(kText));
    EXPECT_EQ(colourOf(advanced, id::kLoopTimesEdit, WM_CTLCOLOREDIT), std::nullopt) << "a plain edit";
}

} // namespace

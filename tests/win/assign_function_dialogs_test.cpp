#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "assign/win/combo_key_dialog.h"
#include "assign/win/consumer_key_dialogs.h"
#include "assign/win/delay_time_dialog.h"
#include "assign/win/fire_key_dialog.h"
#include "assign/win/single_key_dialog.h"
#include "ui/win/window_text.h"
#include "skin_test_support.h"

using skintest::Pixel;
using skintest::SourcePixel;

namespace {

constexpr SourcePixel kBackground{30, 30, 30, 255};
constexpr SourcePixel kButton{0, 0, 120, 255};
constexpr Point kOnOk{168, 255};

struct ControlCase {
    int id;
    Rect area;
    DWORD style; // style bits the control must have (an edit keeps WS_BORDER to itself)
};

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<SkinnedSubDialog>(const DialogLook&, const UiTexts&)> make;
    std::vector<ControlCase> controls;
};

// A skin holding the function dialogs' backgrounds and the frame's buttons.
class FunctionDialogs : public testing::Test {
protected:
    FunctionDialogs() {
        for (const wchar_t* name : {L"single-key.png", L"combo-key.png", L"fire-key.png", L"delay-time.png",
                                    L"media-key.png", L"windows-key.png"}) {
            skintest::writePng(folder_.path() / name, 392, 310, kBackground, false);
        }
        skintest::writePng(folder_.path() / L"button-normal.png", 105, 21, kButton, true);
        skintest::writePng(folder_.path() / L"button-over.png", 105, 21, kButton, true);
        skintest::writePng(folder_.path() / L"button-close-normal.png", 18, 18, kButton, true);
        skintest::writePng(folder_.path() / L"button-close-over.png", 18, 18, kButton, true);
    }
    DialogLook look() const {
        return {folder_.path().wstring(), chooseDialogFont(L"", 6, 1), TextColour{255, 0, 0},
                dialogButtonCaptions(texts_)};
    }
    static void click(SkinnedSubDialog& dialog, Point p) {
        SendMessageW(dialog.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    static void type(HWND edit, const wchar_t* text) { SetWindowTextW(edit, text); }

    skintest::TempFolder folder_;
    UiTexts texts_{Language::English};
};

Rect clientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST_F(FunctionDialogs, CreateTheirControlsWithTheirIdentifiersPlacesAndStyles) {
    const DWORD sunken = WS_CHILD | WS_VISIBLE | SS_SUNKEN;
    const DWORD digits = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER;
    const DialogCase cases[] = {
        {"single",
         [](const DialogLook& l, const UiTexts& t) { return std::make_unique<CSingleDialog>(l, t); },
         {{502, {73, 128, 151, 144}, sunken | SS_CENTER}}},
        {"combo",
         [](const DialogLook& l, const UiTexts& t) { return std::make_unique<CComboDialog>(l, t); },
         {{512, {49, 69, 117, 85}, sunken | SS_CENTER},
          {516, {50, 120, 131, 134}, WS_CHILD | WS_VISIBLE | ES_CENTER},
          {517, {50, 170, 131, 184}, WS_CHILD | WS_VISIBLE | ES_CENTER}}},
        {"fire",
         [](const DialogLook& l, const UiTexts& t) { return std::make_unique<CFireKeyDialog>(l, t); },
         {{572, {49, 69, 117, 85}, sunken | SS_CENTER},
          {574, {50, 120, 131, 134}, digits},
          {575, {50, 170, 131, 184}, digits}}},
        {"delay",
         [](const DialogLook& l, const UiTexts& t) { return std::make_unique<CDelayTimeDialog>(l, t); },
         {{600, {74, 129, 150, 143}, digits}}},
        {"media",
         [](const DialogLook& l, const UiTexts& t) { return std::make_unique<CMediaDialog>(l, t); },
         {{552, {42, 128, 136, 144}, sunken}}},
        {"windows",
         [](const DialogLook& l, const UiTexts& t) { return std::make_unique<CWindowsDialog>(l, t); },
         {{532, {42, 128, 136, 144}, sunken}}},
    };
    for (const DialogCase& c : cases) {
        const std::unique_ptr<SkinnedSubDialog> dialog = c.make(look(), texts_);
        ASSERT_NE(dialog->createWindow(nullptr), nullptr) << c.name;
        for (const ControlCase& control : c.controls) {
            const HWND window = GetDlgItem(dialog->hwnd(), control.id);
            ASSERT_NE(window, nullptr) << c.name << " " << control.id;
            EXPECT_EQ(clientRectOf(window), control.area) << c.name << " " << control.id;
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
            EXPECT_EQ(style & control.style, control.style) << c.name << " " << control.id;
        }
    }
}

TEST_F(FunctionDialogs, ConsumerKeyDialogsShowTheirFirstItemAndListTheirItemsWhenOpened) {
    CWindowsDialog dialog(look(), texts_);
    ASSERT_NE(dialog.createWindow(nullptr), nullptr);
    EXPECT_EQ(windowText(GetDlgItem(dialog.hwnd(), 532)), L"Multimedia Player");
    click(dialog, {140, 136});
    const HWND list = GetDlgItem(dialog.hwnd(), 533);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 11);
    EXPECT_EQ(clientRectOf(list).bottom, 306) << "every item stays in the list";
    SendMessageW(list, LB_SETCURSEL, 10, 0);
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(533, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_FALSE(IsWindowVisible(list)) << "the list closes with the choice";
    EXPECT_EQ(windowText(GetDlgItem(dialog.hwnd(), 532)), L"Browser-My Favorites");
    click(dialog, kOnOk);
    EXPECT_EQ(dialog.choice(), (FunctionChoice{windowsKeyFunction(10), L"Browser-My Favorites"}));
}

struct SpeedCase {
    const wchar_t* speed;
    const wchar_t* times;
    bool speedLosesFocus;
    const wchar_t* shownSpeed;
    const wchar_t* shownTimes;
    uint8_t chosenSpeed;
    uint8_t chosenTimes;
};

TEST_F(FunctionDialogs, FireKeySpeedObeysItsRangeEvenWhenOkIsClickedInItsEdit) {
    const SpeedCase cases[] = {
        {L"300", L"0", true, L"5", L"0", 5, 0},
        {L"3", L"256", false, L"3", L"1", 5, 1},
        {L"255", L"7", false, L"255", L"7", 255, 7},
    };
    for (const SpeedCase& c : cases) {
        CFireKeyDialog dialog(look(), texts_);
        ASSERT_NE(dialog.createWindow(nullptr), nullptr);
        const HWND speed = GetDlgItem(dialog.hwnd(), 574);
        const HWND times = GetDlgItem(dialog.hwnd(), 575);
        SetFocus(speed);
        type(speed, c.speed);
        type(times, c.times);
        if (c.speedLosesFocus) {
            SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(574, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(speed));
        }
        EXPECT_EQ(windowText(speed), c.shownSpeed) << c.speed;
        EXPECT_EQ(windowText(times), c.shownTimes) << c.times;
        click(dialog, kOnOk);
        EXPECT_EQ(dialog.modalResult(), IDOK);
        const auto chosen = std::get<FireKeyFunction>(dialog.choice().function);
        EXPECT_EQ(chosen.speed, c.chosenSpeed) << c.speed;
        EXPECT_EQ(chosen.times, c.chosenTimes) << c.times;
    }
}

TEST_F(FunctionDialogs, KeyEditsAreDisabledWhileTheListIsOpen) {
    CComboDialog dialog(look(), texts_);
    ASSERT_NE(dialog.createWindow(nullptr), nullptr);
    const HWND first = GetDlgItem(dialog.hwnd(), 516);
    click(dialog, {125, 77});
    EXPECT_FALSE(IsWindowEnabled(first));
    EXPECT_NE(GetDlgItem(dialog.hwnd(), 515), nullptr);
    click(dialog, {300, 150});
    EXPECT_TRUE(IsWindowEnabled(first)) << "a click elsewhere closes the list";
}

TEST_F(FunctionDialogs, SingleKeyDialogKeepsEnterEscapeAndTheWindowsKeysFromTheDialogManager) {
    CSingleDialog dialog(look(), texts_);
    ASSERT_NE(dialog.createWindow(nullptr), nullptr);
    MSG message{dialog.hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(dialog.preTranslateMessage(message));
    message.message = WM_KEYUP;
    message.wParam = VK_LWIN;
    EXPECT_TRUE(dialog.preTranslateMessage(message));
    message.wParam = 'A';
    EXPECT_FALSE(dialog.preTranslateMessage(message));
}

TEST_F(FunctionDialogs, OwnTextsAreWhiteAndButtonCaptionsInTheTextColour) {
    CSingleDialog dialog(look(), texts_);
    ASSERT_NE(dialog.createWindow(nullptr), nullptr);
    const HDC dc = GetDC(dialog.hwnd());
    SendMessageW(dialog.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(dialog.hwnd(), dc);
    const auto anyPixel = [&](Rect area, auto test) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (test(skintest::dibPixel(dialog.canvas(), x, y))) {
                    return true;
                }
            }
        }
        return false;
    };
    const auto white = [](Pixel p) { return p.red == 255 && p.green == 255 && p.blue == 255; };
    const auto red = [](Pixel p) { return p.red > 200 && p.green < 60 && p.blue < 60; };
    EXPECT_TRUE(anyPixel(dialog_layout::SingleKeyPromptText, white));
    EXPECT_FALSE(anyPixel(dialog_layout::SingleKeyPromptText, red));
    EXPECT_TRUE(anyPixel(dialog_layout::Ok, red));
    EXPECT_FALSE(anyPixel(dialog_layout::Ok, white));
}

} // namespace

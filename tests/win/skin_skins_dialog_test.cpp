#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include "app/ui_state.h"
#include "skin/win/find_file_directory_lister.h"
#include "skin/win/skins_dialog.h"
#include "skin_test_support.h"
#include "ui/win/modal_loop.h"

using skintest::Pixel;
using skintest::SourcePixel;

namespace {

constexpr SourcePixel kBackground{30, 30, 30, 255};
constexpr SourcePixel kButtonNormal{0, 0, 200, 255};
constexpr SourcePixel kButtonOver{0, 200, 0, 255};
constexpr SourcePixel kCloseNormal{200, 0, 0, 255};
constexpr SourcePixel kCloseOver{200, 200, 0, 255};

// Points inside the frame's areas, away from the captions.
constexpr Point kOnOk{168, 255};
constexpr Point kOnCancel{373, 255};
constexpr Point kOnClose{353, 7};
constexpr Point kOnHeader{140, 135};
constexpr Point kOnEmptySpot{20, 20};

testing::AssertionResult looksLike(Pixel pixel, SourcePixel colour) {
    if (pixel.red == colour.red && pixel.green == colour.green && pixel.blue == colour.blue) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "pixel is " << int(pixel.red) << "," << int(pixel.green) << "," << int(pixel.blue)
           << ", wanted " << int(colour.red) << "," << int(colour.green) << "," << int(colour.blue);
}

LPARAM at(Point p) {
    return MAKELPARAM(p.x, p.y);
}

// A shown top-level window of `thread`, or null.
HWND shownWindowOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) {
            if (!IsWindowVisible(window)) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A program folder with a "Skins" folder holding the skin "Alpha" (complete for the dialog), an
// empty skin folder "Beta" and a stray file.
class SkinSkinsDialog : public testing::Test {
protected:
    SkinSkinsDialog() {
        skins_ = folder_.path() / L"Skins";
        alpha_ = skins_ / L"Alpha";
        std::filesystem::create_directories(alpha_);
        std::filesystem::create_directories(skins_ / L"Beta");
        skintest::writePng(skins_ / L"stray.png", 1, 1, kBackground, false);
        skintest::writePng(alpha_ / L"skins.png", 400, 300, kBackground, false);
        skintest::writePng(alpha_ / L"button-normal.png", 105, 21, kButtonNormal, true);
        skintest::writePng(alpha_ / L"button-over.png", 105, 21, kButtonOver, true);
        skintest::writePng(alpha_ / L"button-close-normal.png", 18, 18, kCloseNormal, true);
        skintest::writePng(alpha_ / L"button-close-over.png", 18, 18, kCloseOver, true);
    }
    std::wstring exeFolder() const { return folder_.path().wstring() + L"\\"; }
    std::wstring alphaFolder() const { return (folder_.path() / L"Skins" / L"Alpha").wstring(); }
    DialogLook look() const {
        const UiTexts english(Language::English);
        return {alphaFolder(), chooseDialogFont(L"", 6, 1), TextColour{1, 2, 3},
                dialogButtonCaptions(english)};
    }
    SkinChoice current() const { return {L"Alpha", alphaFolder(), TextColour{1, 2, 3}}; }
    SkinsDialogTexts texts() const { return skinsDialogTexts(UiTexts(Language::English)); }

    HWND open() {
        const HWND window = dialog_.createWindow(nullptr);
        if (window != nullptr) {
            redraw();
        }
        return window;
    }
    void redraw() {
        const HDC dc = GetDC(dialog_.hwnd());
        SendMessageW(dialog_.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(dialog_.hwnd(), dc);
    }
    void send(UINT message, Point p) { SendMessageW(dialog_.hwnd(), message, 0, at(p)); }
    void hoverOver(Point p) {
        send(WM_MOUSEMOVE, p);
        send(WM_MOUSEHOVER, p);
    }
    Pixel canvasAt(Point p) const { return skintest::dibPixel(dialog_.canvas(), p.x, p.y); }
    std::vector<std::wstring> listedSkins() const {
        std::vector<std::wstring> names;
        const HWND list = dialog_.skinList();
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t name[MAX_PATH] = {};
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
            names.emplace_back(name);
        }
        return names;
    }
    void pickSkin(const std::wstring& name) {
        const HWND list = dialog_.skinList();
        const LRESULT index =
            SendMessageW(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(list, LB_SETCURSEL, index, 0);
        SendMessageW(dialog_.hwnd(), WM_COMMAND, MAKEWPARAM(CSkinsDialog::kSkinListId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    skintest::TempFolder folder_;
    std::filesystem::path skins_;
    std::filesystem::path alpha_;
    FindFileDirectoryLister lister_;
    CSkinsDialog dialog_{lister_, exeFolder(), look(), current(), texts()};
};

TEST_F(SkinSkinsDialog, TakesTheSizeOfItsBackgroundAndDrawsItsFrame) {
    ASSERT_NE(open(), nullptr);
    RECT frame{};
    GetWindowRect(dialog_.hwnd(), &frame);
    EXPECT_EQ(frame.right - frame.left, 400);
    EXPECT_EQ(frame.bottom - frame.top, 300);

    EXPECT_TRUE(looksLike(canvasAt(kOnOk), kButtonNormal));
    EXPECT_TRUE(looksLike(canvasAt(kOnCancel), kButtonNormal));
    EXPECT_TRUE(looksLike(canvasAt(kOnClose), kCloseNormal));
    EXPECT_TRUE(looksLike(canvasAt(kOnEmptySpot), kBackground));
    EXPECT_NE(GetDlgItem(dialog_.hwnd(), CSkinsDialog::kSkinNameId), nullptr);
    EXPECT_NE(GetDlgItem(dialog_.hwnd(), CSkinsDialog::kColourSwatchId), nullptr);
}

TEST_F(SkinSkinsDialog, LightsOneButtonAtATime) {
    ASSERT_NE(open(), nullptr);

    hoverOver(kOnOk);
    EXPECT_TRUE(looksLike(canvasAt(kOnOk), kButtonOver));

    hoverOver(kOnCancel);
    EXPECT_TRUE(looksLike(canvasAt(kOnCancel), kButtonOver));
    EXPECT_TRUE(looksLike(canvasAt(kOnOk), kButtonNormal));

    hoverOver(kOnClose);
    EXPECT_TRUE(looksLike(canvasAt(kOnClose), kCloseOver));
    EXPECT_TRUE(looksLike(canvasAt(kOnCancel), kButtonNormal));

    send(WM_MOUSEMOVE, kOnEmptySpot);
    EXPECT_TRUE(looksLike(canvasAt(kOnClose), kCloseNormal));
}

TEST_F(SkinSkinsDialog, ReportsAMissingOverImageEachTimeThePointerRests) {
    std::filesystem::remove(alpha_ / L"button-over.png");
    ASSERT_NE(open(), nullptr);
    skintest::MessageBoxCatcher boxes;

    hoverOver(kOnOk);
    send(WM_MOUSEMOVE, kOnEmptySpot);
    hoverOver(kOnOk);

    const auto failures = std::ranges::count_if(
        boxes.seen(), [](const auto& box) { return box.text == L"LoadPng---Load image failed."; });
    EXPECT_EQ(failures, 2);
    EXPECT_TRUE(looksLike(canvasAt(kOnOk), kButtonNormal)) << "nothing drawn for the missing image";
}

struct ClickCase {
    const char* name;
    Point p;
    int result;
};

class SkinSkinsDialogClick : public SkinSkinsDialog, public testing::WithParamInterface<ClickCase> {};

TEST_P(SkinSkinsDialogClick, EndsTheDialog) {
    const HWND window = open();
    ASSERT_NE(window, nullptr);

    send(WM_LBUTTONDOWN, GetParam().p);

    EXPECT_EQ(dialog_.modalResult(), GetParam().result);
    EXPECT_FALSE(IsWindow(window));
}

INSTANTIATE_TEST_SUITE_P(SkinAreas, SkinSkinsDialogClick,
                         testing::Values(ClickCase{"Ok", {166, 253}, IDOK},
                                         ClickCase{"OkRightEdge", {269, 273}, IDOK},
                                         ClickCase{"SharedColumnIsCancel", {270, 260}, IDCANCEL},
                                         ClickCase{"Cancel", {374, 273}, IDCANCEL},
                                         ClickCase{"Close", {352, 6}, IDCANCEL},
                                         ClickCase{"CloseCorner", {369, 23}, IDCANCEL}),
                         [](const testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

TEST_F(SkinSkinsDialog, KeepsRunningAfterClicksOutsideItsButtons) {
    const HWND window = open();
    for (const Point p : {Point{165, 260}, Point{375, 260}, Point{360, 24}, kOnEmptySpot}) {
        send(WM_LBUTTONDOWN, p);
    }
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(dialog_.modalResult(), 0);
}

TEST_F(SkinSkinsDialog, EnterChoosesOkAndEscapeCancels) {
    for (const auto& [key, expected] : std::map<WPARAM, int>{{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}}) {
        CSkinsDialog dialog(lister_, exeFolder(), look(), current(), texts());
        const HWND window = dialog.createWindow(nullptr);
        ASSERT_NE(window, nullptr);
        MSG keyDown{window, WM_KEYDOWN, key, 0, 0, {}};
        routeDialogMessage(dialog, keyDown);
        EXPECT_EQ(dialog.modalResult(), expected) << key;
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(SkinSkinsDialog, MovesWithThePointerWhenDraggedByAnEmptySpot) {
    ASSERT_NE(open(), nullptr);
    ShowWindow(dialog_.hwnd(), SW_SHOWNOACTIVATE);
    RECT before{};
    GetWindowRect(dialog_.hwnd(), &before);
    const auto pointerAt = [&](Point client, int dx, int dy) {
        POINT screen{client.x, client.y};
        ClientToScreen(dialog_.hwnd(), &screen);
        SetCursorPos(screen.x + dx, screen.y + dy);
    };

    pointerAt(kOnEmptySpot, 0, 0);
    send(WM_LBUTTONDOWN, kOnEmptySpot);
    pointerAt(kOnEmptySpot, 30, 20);
    send(WM_MOUSEMOVE, kOnEmptySpot);
    send(WM_LBUTTONUP, kOnEmptySpot);
    pointerAt(kOnEmptySpot, 50, 50);
    send(WM_MOUSEMOVE, kOnEmptySpot);

    RECT after{};
    GetWindowRect(dialog_.hwnd(), &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
}

TEST_F(SkinSkinsDialog, DoesNotDragFromItsSkinHeader) {
    ASSERT_NE(open(), nullptr);
    ShowWindow(dialog_.hwnd(), SW_SHOWNOACTIVATE);
    RECT before{};
    GetWindowRect(dialog_.hwnd(), &before);

    send(WM_LBUTTONDOWN, kOnHeader);
    SetCursorPos(before.left + 300, before.top + 200);
    send(WM_MOUSEMOVE, kOnHeader);

    RECT after{};
    GetWindowRect(dialog_.hwnd(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(SkinSkinsDialog, ClosesItsWindowWhenItGoesAway) {
    HWND window = nullptr;
    {
        CSkinsDialog dialog(lister_, exeFolder(), look(), current(), texts());
        window = dialog.createWindow(nullptr);
        ASSERT_NE(window, nullptr);
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SkinSkinsDialog, ListsOnlySkinFolders) {
    ASSERT_NE(open(), nullptr);

    send(WM_LBUTTONDOWN, kOnHeader);

    ASSERT_NE(dialog_.skinList(), nullptr);
    std::vector<std::wstring> names = listedSkins();
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Alpha", L"Beta"}));
}

TEST_F(SkinSkinsDialog, ClosesTheListOnASecondHeaderClickOrAClickElsewhere) {
    ASSERT_NE(open(), nullptr);
    send(WM_LBUTTONDOWN, kOnHeader);
    send(WM_LBUTTONDOWN, kOnHeader);
    EXPECT_EQ(dialog_.skinList(), nullptr);

    send(WM_LBUTTONDOWN, kOnHeader);
    send(WM_LBUTTONDOWN, kOnEmptySpot);
    EXPECT_EQ(dialog_.skinList(), nullptr);
}

TEST_F(SkinSkinsDialog, PickingASkinShowsItAndClosesTheList) {
    ASSERT_NE(open(), nullptr);
    send(WM_LBUTTONDOWN, kOnHeader);

    pickSkin(L"Beta");

    EXPECT_EQ(dialog_.skinList(), nullptr);
    EXPECT_EQ(dialog_.choice().skinName, L"Beta");
    EXPECT_EQ(std::filesystem::path(dialog_.choice().skinFolder), skins_ / L"Beta");
    wchar_t shown[64] = {};
    GetDlgItemTextW(dialog_.hwnd(), CSkinsDialog::kSkinNameId, shown, 64);
    EXPECT_STREQ(shown, L"Beta");
    EXPECT_EQ(dialog_.choice().textColour, (TextColour{1, 2, 3})) << "the colour stays";
}

TEST_F(SkinSkinsDialog, ThePointerSelectsTheListItemUnderIt) {
    ASSERT_NE(open(), nullptr);
    ShowWindow(dialog_.hwnd(), SW_SHOWNOACTIVATE);
    send(WM_LBUTTONDOWN, kOnHeader);
    const HWND list = dialog_.skinList();
    ASSERT_NE(list, nullptr);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &middle);
    ASSERT_TRUE(SetCursorPos(middle.x, middle.y));

    MSG move{list, WM_MOUSEMOVE, 0, 0, 0, middle};
    EXPECT_FALSE(dialog_.preTranslateMessage(move)) << "the move still reaches the list";

    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(dialog_.choice().skinName, L"Alpha") << "hovering chooses nothing";
}

TEST_F(SkinSkinsDialog, ColoursItsControls) {
    ASSERT_NE(open(), nullptr);
    send(WM_LBUTTONDOWN, kOnHeader);
    skintest::TestSurface surface(1, 1, {});
    const auto colourFor = [&](UINT message, HWND control) {
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog_.hwnd(), message,
                                                                 reinterpret_cast<WPARAM>(surface.dc()),
                                                                 reinterpret_cast<LPARAM>(control)));
        LOGBRUSH colour{};
        GetObjectW(brush, sizeof(colour), &colour);
        return colour.lbColor;
    };

    EXPECT_EQ(colourFor(WM_CTLCOLORLISTBOX, dialog_.skinList()), RGB(40, 40, 40));
    EXPECT_EQ(GetTextColor(surface.dc()), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(surface.dc()), RGB(40, 40, 40)) << "list items sit on the list's colour";
    EXPECT_EQ(colourFor(WM_CTLCOLORSTATIC, GetDlgItem(dialog_.hwnd(), CSkinsDialog::kSkinNameId)),
              RGB(40, 40, 40));
    EXPECT_EQ(colourFor(WM_CTLCOLORSTATIC, GetDlgItem(dialog_.hwnd(), CSkinsDialog::kColourSwatchId)),
              RGB(1, 2, 3))
        << "the swatch shows the chosen colour";
}

TEST_F(SkinSkinsDialog, WheelScrollsTheOpenListThreeLines) {
    for (int i = 0; i < 20; ++i) {
        std::filesystem::create_directory(skins_ / (L"Extra" + std::to_wstring(i)));
    }
    ASSERT_NE(open(), nullptr);
    SendMessageW(dialog_.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at(kOnEmptySpot));
    send(WM_LBUTTONDOWN, kOnHeader);
    const HWND list = dialog_.skinList();
    ASSERT_NE(list, nullptr);

    SendMessageW(dialog_.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at(kOnEmptySpot));
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
    SendMessageW(dialog_.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at(kOnEmptySpot));
    SendMessageW(dialog_.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at(kOnEmptySpot));
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
}

TEST_F(SkinSkinsDialog, WithoutItsBackgroundSaysSoAndEndsAtOnce) {
    std::filesystem::remove(alpha_ / L"skins.png");
    skintest::MessageBoxCatcher boxes;

    EXPECT_EQ(dialog_.runModal(nullptr), IDCANCEL);

    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, L"error");
    EXPECT_EQ(boxes.seen()[0].caption, L"Skins Dialog Load background image failed!!!");
    EXPECT_EQ(dialog_.hwnd(), nullptr);
}

// Records what is written, as str.ini would keep it.
class RecordingStore : public ProfileStore {
public:
    std::wstring readString(const std::wstring& section, const std::wstring& key) override {
        return values[section + L"/" + key];
    }
    bool writeString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        values[section + L"/" + key] = value;
        return true;
    }
    bool deleteKey(const std::wstring&, const std::wstring&) override { return true; }
    bool deleteSection(const std::wstring&) override { return true; }
    std::vector<std::wstring> sectionNames() override { return {}; }

    std::map<std::wstring, std::wstring> values;
};

TEST(SkinApplySkinChoice, MakesTheChoiceTheProgramsAndStoresIt) {
    UiState ui{L"C:\\old", L"Old", L"GER", TextColour{0, 0, 0}};
    RecordingStore store;

    applySkinChoice(ui, store, {L"Crimson", L"C:\\prog\\Skins\\Crimson", TextColour{255, 7, 128}});

    EXPECT_EQ(ui.skinName, L"Crimson");
    EXPECT_EQ(ui.skinFolderPath, L"C:\\prog\\Skins\\Crimson");
    EXPECT_EQ(ui.uiTextColor, (TextColour{255, 7, 128}));
    EXPECT_EQ(ui.languageCode, L"GER");
    EXPECT_EQ(store.values, (std::map<std::wstring, std::wstring>{{L"Skins/RColor", L"255"},
                                                                  {L"Skins/GColor", L"7"},
                                                                  {L"Skins/BColor", L"128"},
                                                                  {L"Skins/Path", L"Crimson"}}));
}

} // namespace

TEST_F(SkinSkinsDialog, ModalLoopEndsOnAClickSentFromAnotherThread) {
    // A click that arrives as a sent message (from an accessibility tool, say) ends the dialog
    // inside GetMessage, which waits on for a posted message unless the dialog wakes it.
    const DWORD testThread = GetCurrentThreadId();
    std::atomic<bool> returned{false};
    bool woken = false;
    std::thread clicker([&] {
        HWND window = nullptr;
        while ((window = shownWindowOf(testThread)) == nullptr) {
            Sleep(10);
        }
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(kOnOk));
        for (int waited = 0; waited < 1000 && !returned; ++waited) {
            Sleep(10);
        }
        if (!returned) {
            woken = true;
            PostThreadMessageW(testThread, WM_NULL, 0, 0);
        }
    });
    const int result = dialog_.runModal(nullptr);
    returned = true;
    clicker.join();

    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(woken) << "the modal loop went on waiting after the dialog had ended";
}

#include <gtest/gtest.h>

#include "skin/dialog_look.h"
#include "app/win/main_window_control_colours.h"
#include "skin_test_support.h"

namespace {

constexpr TextColour kUiColour{12, 34, 56};
constexpr COLORREF kUi = RGB(12, 34, 56);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr std::array<StageColor, kDpiStageCount> kStages{StageColor{255, 0, 0}, StageColor{1, 2, 3},
                                                         StageColor{0, 0, 255}, StageColor{10, 20, 30}};

struct ColourCase {
    const char* name;
    UINT message;
    int controlId;
    ControlColourRule expected;
};

class SkinMainWindowControlColour : public testing::TestWithParam<ColourCase> {};

TEST_P(SkinMainWindowControlColour, FollowsTheControlKind) {
    const ColourCase& c = GetParam();
    EXPECT_EQ(mainWindowControlColour(c.message, c.controlId, kUiColour, kStages), c.expected);
}

// Stage colours are stored red, blue, green; the swatch brush is the colour itself.
INSTANTIATE_TEST_SUITE_P(
    SkinControls, SkinMainWindowControlColour,
    testing::Values(
        ColourCase{
            "FirstStageSwatch", WM_CTLCOLORSTATIC, 71, {std::nullopt, std::nullopt, false, RGB(255, 0, 0)}},
        ColourCase{
            "SecondStageSwatch", WM_CTLCOLORSTATIC, 72, {std::nullopt, std::nullopt, false, RGB(1, 3, 2)}},
        ColourCase{
            "LastStageSwatch", WM_CTLCOLORSTATIC, 74, {std::nullopt, std::nullopt, false, RGB(10, 30, 20)}},
        ColourCase{"LightingHeaderText", WM_CTLCOLORSTATIC, 81, {kUi, kBlack, false, kBlack}},
        ColourCase{"MouseEventHeaderText", WM_CTLCOLORSTATIC, 119, {kUi, kBlack, false, kBlack}},
        ColourCase{"OtherStatic", WM_CTLCOLORSTATIC, 75, {kUi, RGB(100, 150, 100), true, RGB(100, 150, 100)}},
        ColourCase{"StaticBeforeSwatches",
                   WM_CTLCOLORSTATIC,
                   70,
                   {kUi, RGB(100, 150, 100), true, RGB(100, 150, 100)}},
        ColourCase{"Button", WM_CTLCOLORBTN, 1, {}},
        ColourCase{"Edit", WM_CTLCOLOREDIT, 149, {kUi, std::nullopt, false, kBlack}},
        ColourCase{"MacroList", WM_CTLCOLORLISTBOX, 151, {kUi, std::nullopt, false, RGB(14, 15, 14)}},
        ColourCase{"EventList", WM_CTLCOLORLISTBOX, 152, {kUi, std::nullopt, false, RGB(14, 15, 14)}},
        ColourCase{"DropDownList", WM_CTLCOLORLISTBOX, 41, {RGB(255, 255, 255), std::nullopt, true, kBlack}},
        ColourCase{"LightingList", WM_CTLCOLORLISTBOX, 64, {RGB(255, 255, 255), std::nullopt, false, kBlack}}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

TEST(SkinMainWindowControlColours, SetsUpTheDcAndKeepsOneBrush) {
    skintest::TestSurface surface(1, 1, {});
    const HWND control =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    MainWindowControlColours colours;

    const HBRUSH edit = colours.apply(WM_CTLCOLOREDIT, surface.dc(), control, nullptr, kUiColour, kStages);
    EXPECT_EQ(GetTextColor(surface.dc()), kUi);
    EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectW(edit, sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
    EXPECT_EQ(brush.lbColor, kBlack);

    const HBRUSH list = colours.apply(WM_CTLCOLORLISTBOX, surface.dc(), control, nullptr, kUiColour, kStages);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetObjectW(edit, sizeof(brush), &brush), 0) << "the previous brush was deleted";
    EXPECT_EQ(GetTextColor(surface.dc()), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(surface.dc()), kBlack) << "list items are filled with the brush's colour";
    EXPECT_EQ(colours.apply(WM_CTLCOLORBTN, surface.dc(), control, nullptr, kUiColour, kStages), nullptr);
    DestroyWindow(control);
}

struct CaptionCase {
    const wchar_t* code;
    DialogButtonCaptions expected;
};

class SkinDialogButtonCaptions : public testing::TestWithParam<CaptionCase> {};

TEST_P(SkinDialogButtonCaptions, ComeFromTheWholeLanguageCode) {
    EXPECT_EQ(dialogButtonCaptions(UiTexts(languageFromCode(GetParam().code))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SkinCodes, SkinDialogButtonCaptions,
    testing::Values(CaptionCase{L"CHS", {L"确定", L"取消"}}, CaptionCase{L"CHT", {L"確定", L"取消"}},
                    CaptionCase{L"GER", {L"OK", L"Löschen"}}, CaptionCase{L"", {L"OK", L"Cancel"}},
                    CaptionCase{L"ger", {L"OK", L"Cancel"}}, CaptionCase{L"CHSX", {L"OK", L"Cancel"}}));

} // namespace

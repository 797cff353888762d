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
    ControlColourRule rule;
    ControlColourRule expected;
};

class SkinMainWindowControlColour : public testing::TestWithParam<ColourCase> {};

TEST_P(SkinMainWindowControlColour, FollowsTheControlsLook) {
    EXPECT_EQ(GetParam().rule, GetParam().expected);
}

// Stage colours are stored red, blue, green; the swatch brush is the colour itself.
INSTANTIATE_TEST_SUITE_P(
    SkinControls, SkinMainWindowControlColour,
    testing::Values(
        ColourCase{"FirstStageSwatch",
                   stageSwatchColour(kStages[0]),
                   {std::nullopt, std::nullopt, false, RGB(255, 0, 0)}},
        ColourCase{"SecondStageSwatch",
                   stageSwatchColour(kStages[1]),
                   {std::nullopt, std::nullopt, false, RGB(1, 3, 2)}},
        ColourCase{"LastStageSwatch",
                   stageSwatchColour(kStages[3]),
                   {std::nullopt, std::nullopt, false, RGB(10, 30, 20)}},
        ColourCase{"DropDownHeaderText", dropDownHeaderColour(kUiColour), {kUi, kBlack, false, kBlack}},
        ColourCase{"OtherStatic",
                   plainControlColour(WM_CTLCOLORSTATIC, kUiColour),
                   {kUi, RGB(100, 150, 100), true, RGB(100, 150, 100)}},
        ColourCase{"Button", plainControlColour(WM_CTLCOLORBTN, kUiColour), {}},
        ColourCase{
            "Edit", plainControlColour(WM_CTLCOLOREDIT, kUiColour), {kUi, std::nullopt, false, kBlack}},
        ColourCase{"MacroList", macroListColour(kUiColour), {kUi, std::nullopt, false, RGB(14, 15, 14)}},
        ColourCase{"DropDownList",
                   plainControlColour(WM_CTLCOLORLISTBOX, kUiColour),
                   {RGB(255, 255, 255), std::nullopt, true, kBlack}},
        ColourCase{"LightingList", fittedListColour(), {RGB(255, 255, 255), std::nullopt, false, kBlack}}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

TEST(SkinMainWindowControlColours, SetsUpTheDcAndKeepsOneBrush) {
    skintest::TestSurface surface(1, 1, {});
    MainWindowControlColours colours;

    const HBRUSH edit = colours.apply(plainControlColour(WM_CTLCOLOREDIT, kUiColour), surface.dc(), nullptr);
    EXPECT_EQ(GetTextColor(surface.dc()), kUi);
    EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectW(edit, sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
    EXPECT_EQ(brush.lbColor, kBlack);

    const HBRUSH list =
        colours.apply(plainControlColour(WM_CTLCOLORLISTBOX, kUiColour), surface.dc(), nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetObjectW(edit, sizeof(brush), &brush), 0) << "the previous brush was deleted";
    EXPECT_EQ(GetTextColor(surface.dc()), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(surface.dc()), kBlack) << "list items are filled with the brush's colour";
    EXPECT_EQ(colours.apply(plainControlColour(WM_CTLCOLORBTN, kUiColour), surface.dc(), nullptr), nullptr);
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

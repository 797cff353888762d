#include <gtest/gtest.h>

#include <climits>

#include "assign/combo_key_dialog_model.h"
#include "assign/consumer_key_dialog_model.h"
#include "assign/delay_time_dialog_model.h"
#include "assign/edit_number.h"
#include "assign/fire_key_dialog_model.h"
#include "assign/single_key_dialog_model.h"

namespace {

// Every drop-down of the dialogs: a click on its area opens and closes it, a click elsewhere closes
// it, a click on the list itself leaves it open; edits are disabled while it is open.
TEST(FunctionDialogs, DropDownToggles) {
    const UiTexts texts;
    ComboKeyDialogModel combo(texts);
    FireKeyDialogModel fire(texts);
    ConsumerKeyDialogModel media(ConsumerKeyDialog::Multimedia, texts);
    ConsumerKeyDialogModel windows(ConsumerKeyDialog::WindowsFunction, texts);
    const struct {
        const char* name;
        std::function<DropDownClick(Point)> click;
        std::function<bool()> open;
        DropDownLayout layout;
        std::function<bool()> editsEnabled;
    } cases[] = {{"combo", [&](Point p) { return combo.click(p); },
                  [&] { return combo.modifierList().open(); }, kComboModifierLayout,
                  [&] { return combo.editsEnabled(); }},
                 {"fire", [&](Point p) { return fire.click(p); }, [&] { return fire.keyList().open(); },
                  kFireKeyListLayout, [&] { return fire.editsEnabled(); }},
                 {"media", [&](Point p) { return media.click(p); }, [&] { return media.list().open(); },
                  kMultimediaListLayout, [&] { return !media.list().open(); }},
                 {"windows", [&](Point p) { return windows.click(p); }, [&] { return windows.list().open(); },
                  kWindowsListLayout, [&] { return !windows.list().open(); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Point arrow{c.layout.clickArea.right - 2, c.layout.clickArea.top + 2};
        const Point inList{c.layout.list.left + 3, c.layout.list.bottom - 3};
        EXPECT_EQ(c.click({200, 260}), DropDownClick::None);
        EXPECT_EQ(c.click(arrow), DropDownClick::Opened);
        EXPECT_FALSE(c.editsEnabled());
        EXPECT_EQ(c.click(inList), DropDownClick::None);
        EXPECT_TRUE(c.open());
        EXPECT_EQ(c.click(arrow), DropDownClick::Closed);
        EXPECT_TRUE(c.editsEnabled());
        c.click(c.layout.display.topLeft());
        EXPECT_EQ(c.click({5, 5}), DropDownClick::Closed);
        EXPECT_FALSE(c.open());
    }
}

TEST(FunctionDialogs, ChoicesAndTheirDefaults) {
    const UiTexts english;
    const UiTexts chinese(Language::SimplifiedChinese);
    const Point arrow{130, 70};
    const Point mediaArrow{150, 130};

    // Each input answers the choice OK hands back from then on.
    EXPECT_EQ(SingleKeyDialogModel(english).choice(), (FunctionChoice{SingleKeyFunction{}, L"Single Key-"}));
    SingleKeyDialogModel single(english);
    single.onKeyCaptured(L"Shift");
    EXPECT_EQ(single.onKeyCaptured(L"A"), (FunctionChoice{SingleKeyFunction{0x04}, L"Single Key-A"}));

    ComboKeyDialogModel combo(english);
    EXPECT_EQ(combo.choice(), (FunctionChoice{ComboKeyFunction{}, L"Combo Key-"}));
    EXPECT_FALSE(combo.chooseModifier(1).change); // list closed
    combo.click(arrow);
    EXPECT_EQ(combo.onKeyCaptured(L"A", ComboKeyEdit::First).change, std::nullopt); // edits disabled
    EXPECT_EQ(combo.modifierList().items().size(), 8u);
    EXPECT_TRUE(combo.chooseModifier(4).change);
    EXPECT_EQ(combo.onKeyCaptured(L"Tab", ComboKeyEdit::Second).change, ComboKeyEdit::Second);
    const DialogAnswer<std::optional<ComboKeyEdit>> unfocused = combo.onKeyCaptured(L"Q", ComboKeyEdit::None);
    EXPECT_EQ(unfocused.change, std::nullopt);
    EXPECT_EQ(unfocused.choice,
              (FunctionChoice{ComboKeyFunction{0x10, 0, 0x2B}, L"Combo Key-Right Ctrl+Tab"}));

    FireKeyDialogModel fire(english);
    EXPECT_EQ(fire.choice(), (FunctionChoice{FireKeyFunction{0, 0x04, 32, 1}, L"Fire Key-"}));
    fire.click(arrow);
    EXPECT_EQ(fire.wheelLines(120), -3);
    EXPECT_EQ(fire.wheelLines(-120), 3);
    EXPECT_FALSE(fire.chooseKey(61).change);
    const DialogAnswer<bool> key = fire.chooseKey(39);
    EXPECT_TRUE(key.change);
    EXPECT_EQ(fire.wheelLines(120), 0);
    EXPECT_EQ(key.choice, (FunctionChoice{FireKeyFunction{39, 0xE4, 32, 1}, L"Fire Key-R-CTRL"}));
    EXPECT_EQ(fire.keyName(), L"R-CTRL");

    ConsumerKeyDialogModel media(ConsumerKeyDialog::Multimedia, english);
    EXPECT_EQ(media.choice(), (FunctionChoice{MultimediaKeyFunction{0, 0xB5}, L"Multimedia-Next"}));
    media.click(mediaArrow);
    const DialogAnswer<bool> mediaItem = media.chooseItem(6);
    EXPECT_TRUE(mediaItem.change);
    EXPECT_EQ(mediaItem.choice.function, ButtonFunction{(MultimediaKeyFunction{6, 0xEA})});

    ConsumerKeyDialogModel windows(ConsumerKeyDialog::WindowsFunction, chinese);
    EXPECT_EQ(windows.choice(), (FunctionChoice{windowsKeyFunction(0), L"打开多媒体播放器"}));
    windows.click(mediaArrow);
    const DialogAnswer<bool> windowsItem = windows.chooseItem(10);
    EXPECT_TRUE(windowsItem.change);
    EXPECT_EQ(windowsItem.choice, (FunctionChoice{WindowsKeyFunction{10, 0x2A, 0x02}, L"浏览器-收藏夹"}));
    EXPECT_EQ(EncodeButtonFunction(windowsItem.choice.function), (KeyMatrixEntry{0x03, 0x00, 0x2A, 0x02}));
}

FireKeyFunction fireKeyOf(const FunctionChoice& choice) {
    return std::get<FireKeyFunction>(choice.function);
}

TEST(FunctionDialogs, FireSpeedObeysItsRangeWhenFocusLeavesOrOkIsClicked) {
    const struct {
        const wchar_t* typed;
        std::optional<std::wstring> replacement;
        uint8_t speed;
    } cases[] = {{L"3", L"5", 5},
                 {L"300", L"5", 5},
                 {L"255", std::nullopt, 255},
                 {L"5", std::nullopt, 5},
                 {L"4", L"5", 5},
                 {L"", L"5", 5},
                 {L"-7", L"5", 5},
                 {L"032", std::nullopt, 32},
                 {L"256", L"5", 5},
                 {L"99999999999", L"5", 5}};
    const UiTexts texts;
    for (const auto& c : cases) {
        FireKeyDialogModel okWithFocus(texts);
        EXPECT_EQ(fireKeyOf(okWithFocus.onSpeedChanged(c.typed)).speed, c.speed) << c.typed;
        FireKeyDialogModel focusLost(texts);
        focusLost.onSpeedChanged(c.typed);
        const DialogAnswer<std::optional<std::wstring>> lost = focusLost.onSpeedFocusLost();
        EXPECT_EQ(lost.change, c.replacement) << c.typed;
        EXPECT_EQ(fireKeyOf(lost.choice).speed, c.speed) << c.typed;
    }
}

TEST(FunctionDialogs, FireTimesFallBackToOneAtOnce) {
    const struct {
        const wchar_t* typed;
        std::optional<std::wstring> replacement;
        uint8_t times;
    } cases[] = {{L"256", L"1", 1},
                 {L"0", std::nullopt, 0},
                 {L"255", std::nullopt, 255},
                 {L"-1", L"1", 1},
                 {L"", std::nullopt, 0}};
    const UiTexts texts;
    for (const auto& c : cases) {
        FireKeyDialogModel fire(texts);
        const DialogAnswer<std::optional<std::wstring>> answer = fire.onTimesChanged(c.typed);
        EXPECT_EQ(answer.change, c.replacement) << c.typed;
        EXPECT_EQ(fireKeyOf(answer.choice).times, c.times) << c.typed;
    }
}

TEST(FunctionDialogs, DelayTimeTakesAnyDigits) {
    const struct {
        const wchar_t* typed;
        int value;
    } cases[] = {{L"", 0}, {L"0", 0}, {L"12000", 12000}, {L"50", 50}, {L"99999999999", INT_MAX}};
    for (const auto& c : cases) {
        DelayTimeDialogModel delay;
        delay.onDelayChanged(c.typed);
        EXPECT_EQ(delay.delayText(), c.typed);
        EXPECT_EQ(delay.delayValue(), c.value) << c.typed;
    }
    EXPECT_EQ(editTextNumber(L" 12ab"), 12);
    EXPECT_EQ(editTextNumber(L"-99999999999"), INT_MIN);
}

} // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/macro_key_dialog_model.h"
#include "macro_test_files.h"

namespace {

TEST(MacroKeyDialog, OkWithoutAChoiceGivesTheFirstMacroRepeatedByItsLoopCount) {
    MacroFiles f;
    const UiTexts texts;
    EXPECT_EQ(MacroKeyDialogModel(f.store, texts).choice(),
              (FunctionChoice{MacroKeyFunction{0, 0}, L"Macro Key-"}));
}

TEST(MacroKeyDialog, ListsTheMacrosInFileOrderAndTakesTheChosenOne) {
    MacroFiles f;
    for (const wchar_t* name : {L"Alpha", L"Beta", L"Gamma"}) {
        f.store.writeMacro(name, L"1", {L"A   Dn"});
    }
    const UiTexts texts;
    MacroKeyDialogModel dialog(f.store, texts);
    EXPECT_EQ(dialog.macroList().items(), (Lines{L"Alpha", L"Beta", L"Gamma"}));
    EXPECT_EQ(dialog.click({150, 143}).list, DropDownClick::Opened);
    EXPECT_FALSE(dialog.chooseMacro(std::nullopt).change);
    EXPECT_TRUE(dialog.chooseMacro(2).change);
    EXPECT_FALSE(dialog.macroList().open());
    EXPECT_EQ(dialog.chooseRepeatMode(3).change, 1);
    EXPECT_EQ(dialog.chooseRepeatMode(3).change, std::nullopt);
    EXPECT_EQ(dialog.chooseRepeatMode(1).change, 3) << "only one option stays ticked";
    EXPECT_EQ(dialog.chooseRepeatMode(3).choice,
              (FunctionChoice{MacroKeyFunction{2, 2}, L"Macro Key-Gamma"}));
}

TEST(MacroKeyDialog, ClicksOnTheListAndTheTickBoxes) {
    MacroFiles f;
    const UiTexts texts;
    MacroKeyDialogModel dialog(f.store, texts);
    const struct {
        Point at;
        MacroKeyDialogClick expected;
    } cases[] = {
        {{42, 128}, {DropDownClick::Opened, {}}}, {{100, 200}, {DropDownClick::None, {}}},
        {{220, 178}, {DropDownClick::Closed, 3}}, {{235, 93}, {DropDownClick::None, 1}},
        {{236, 128}, {DropDownClick::None, {}}},  {{237, 128}, {DropDownClick::None, {}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dialog.click(c.at), c.expected) << c.at.x << "," << c.at.y;
    }
}

TEST(MacroKeyDialog, RepeatOptionTexts) {
    const UiTexts english(Language::English), german(Language::German), chinese(Language::TraditionalChinese);
    EXPECT_EQ(english[macroRepeatText(1)], L"Repeat a specified number of times or press any key to end");
    EXPECT_EQ(german[macroRepeatText(2)], L"Wiederholen bis eine beliebige Taste gedrückt wird");
    EXPECT_EQ(chinese[macroRepeatText(3)], L"重複直到該按鍵鬆開結束");
    EXPECT_EQ(german[TextKey::SelectMacroPrompt], L"Bitte Makro auswählen");
}

} // namespace

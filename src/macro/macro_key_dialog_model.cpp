#include "macro/macro_key_dialog_model.h"

#include <array>
#include <utility>

namespace {

constexpr std::array kRepeatTickBoxes{dialog_layout::MacroKeyRepeatTick1, dialog_layout::MacroKeyRepeatTick2,
                                      dialog_layout::MacroKeyRepeatTick3};
constexpr std::array kRepeatTexts{dialog_layout::MacroKeyRepeatText1, dialog_layout::MacroKeyRepeatText2,
                                  dialog_layout::MacroKeyRepeatText3};

} // namespace

Rect macroRepeatTickBox(int mode) {
    return kRepeatTickBoxes.at(static_cast<std::size_t>(mode - 1));
}

Rect macroRepeatTextRect(int mode) {
    return kRepeatTexts.at(static_cast<std::size_t>(mode - 1));
}

TextKey macroRepeatText(int mode) {
    switch (mode) {
    case 2:
        return TextKey::MacroRepeatUntilKeyPress;
    case 3:
        return TextKey::MacroRepeatUntilReleased;
    default:
        return TextKey::MacroRepeatCount;
    }
}

MacroKeyDialogModel::MacroKeyDialogModel(MacroStore& store, const UiTexts& texts)
    : texts_(texts), macros_(kMacroKeyListLayout, store.listMacros(), L"") {}

MacroKeyDialogClick MacroKeyDialogModel::click(Point p) {
    MacroKeyDialogClick result{macros_.click(p), std::nullopt};
    for (int mode = 1; mode <= kMacroRepeatModeCount; ++mode) {
        if (macroRepeatTickBox(mode).contains(p)) {
            result.repeatMode = mode;
        }
    }
    return result;
}

DialogAnswer<std::optional<int>> MacroKeyDialogModel::chooseRepeatMode(int mode) {
    if (mode < 1 || mode > kMacroRepeatModeCount || mode == repeatMode_) {
        return {std::nullopt, choice()};
    }
    const int previous = repeatMode_;
    repeatMode_ = mode;
    return {previous, choice()};
}

FunctionChoice MacroKeyDialogModel::choice() const {
    return macroKeyChoice(texts_, static_cast<uint8_t>(macros_.position()),
                          static_cast<uint8_t>(repeatMode_ - 1), macroName());
}

std::vector<DialogStop> MacroKeyDialogModel::keyboardOrder() {
    std::vector<DialogStop> stops{dropDownStop(kMacroKeyListLayout)};
    for (const Rect& tick : kRepeatTickBoxes) {
        stops.push_back({tick, FocusRole::RadioButton, 0});
    }
    return withOkAndCancel(std::move(stops));
}

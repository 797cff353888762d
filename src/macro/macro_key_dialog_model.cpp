#include "macro/macro_key_dialog_model.h"

namespace {

// The tick boxes stand at x 220, 50 pixels apart from y 78 down; each text beside its box, 8 pixels
// higher and 32 high.
constexpr int kFirstTickTop = 78;
constexpr int kOptionSpacing = 50;

} // namespace

Rect macroRepeatTickBox(int mode) {
    const int top = kFirstTickTop + (mode - 1) * kOptionSpacing;
    return {220, top, 236, top + 16};
}

Rect macroRepeatTextRect(int mode) {
    const int top = kFirstTickTop - 8 + (mode - 1) * kOptionSpacing;
    return {237, top, 390, top + 32};
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

MacroKeyDialogModel::MacroKeyDialogModel(MacroStore& store)
    : macros_(kMacroKeyListLayout, store.listMacros(), L"") {}

MacroKeyDialogClick MacroKeyDialogModel::click(Point p) {
    MacroKeyDialogClick result{macros_.click(p), std::nullopt};
    for (int mode = 1; mode <= kMacroRepeatModeCount; ++mode) {
        if (macroRepeatTickBox(mode).contains(p)) {
            result.repeatMode = mode;
        }
    }
    return result;
}

std::optional<int> MacroKeyDialogModel::chooseRepeatMode(int mode) {
    if (mode < 1 || mode > kMacroRepeatModeCount || mode == repeatMode_) {
        return std::nullopt;
    }
    const int previous = repeatMode_;
    repeatMode_ = mode;
    return previous;
}

FunctionChoice MacroKeyDialogModel::choice(const UiTexts& texts) const {
    return macroKeyChoice(texts, static_cast<uint8_t>(macros_.position()),
                          static_cast<uint8_t>(repeatMode_ - 1), macroName());
}

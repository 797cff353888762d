#include "assign/dialog_choice.h"

#include "assign/key_names.h"
#include "assign/overloaded.h"

namespace {

// The firmware knows repeat modes 0 to 2 only; anything else (a dialog that never reached its
// initialisation and reports option 0, which minus 1 wraps round) repeats a given number of times.
uint8_t repeatModeOf(uint8_t repeatMode) {
    return repeatMode <= 2 ? repeatMode : 0;
}

} // namespace

FunctionDialog dialogForItem(std::size_t item) {
    switch (item) {
    case kWindowsFunction:
        return FunctionDialog::WindowsKey;
    case kMultimedia:
        return FunctionDialog::MultimediaKey;
    case kFireKey:
        return FunctionDialog::FireKey;
    case kSingleKey:
        return FunctionDialog::SingleKey;
    case kComboKey:
        return FunctionDialog::ComboKey;
    case kMacroKey:
        return FunctionDialog::MacroKey;
    default:
        return FunctionDialog::None;
    }
}

FunctionDialog dialogOf(const DialogChoice& choice) {
    return std::visit(Overloaded{
                          [](const WindowsKeyChoice&) { return FunctionDialog::WindowsKey; },
                          [](const MultimediaKeyChoice&) { return FunctionDialog::MultimediaKey; },
                          [](const FireKeyChoice&) { return FunctionDialog::FireKey; },
                          [](const SingleKeyChoice&) { return FunctionDialog::SingleKey; },
                          [](const ComboKeyChoice&) { return FunctionDialog::ComboKey; },
                          [](const MacroKeyChoice&) { return FunctionDialog::MacroKey; },
                      },
                      choice);
}

ButtonFunction functionOf(const DialogChoice& choice) {
    // Each alternative builds the function in the returned value itself: a function returned from
    // std::visit is copied whole, padding of the smaller alternatives included, which GCC's
    // optimiser reports as uninitialised.
    if (const auto* c = std::get_if<WindowsKeyChoice>(&choice)) {
        return windowsKeyFunction(c->item);
    }
    if (const auto* c = std::get_if<MultimediaKeyChoice>(&choice)) {
        return multimediaKeyFunction(c->item);
    }
    if (const auto* c = std::get_if<FireKeyChoice>(&choice)) {
        const bool inList = c->position >= 0 && c->position < kFireKeyCount;
        return FireKeyFunction{static_cast<uint8_t>(inList ? c->position : 0), FireKeyCode(c->position),
                               c->speed, c->times};
    }
    if (const auto* c = std::get_if<SingleKeyChoice>(&choice)) {
        return SingleKeyFunction{KeyNameToCode(c->keyName)};
    }
    if (const auto* c = std::get_if<ComboKeyChoice>(&choice)) {
        return ComboKeyFunction{ModifierNameToMask(c->modifierName), KeyNameToCode(c->firstKeyName),
                                KeyNameToCode(c->secondKeyName)};
    }
    const auto& macro = std::get<MacroKeyChoice>(choice);
    return MacroKeyFunction{macro.macroNumber, repeatModeOf(macro.repeatMode)};
}

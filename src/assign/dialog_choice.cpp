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
    return std::visit(
        Overloaded{
            [](const WindowsKeyChoice& c) -> ButtonFunction { return windowsKeyFunction(c.item); },
            [](const MultimediaKeyChoice& c) -> ButtonFunction { return multimediaKeyFunction(c.item); },
            [](const FireKeyChoice& c) -> ButtonFunction {
                const bool inList = c.position >= 0 && c.position < kFireKeyCount;
                return FireKeyFunction{static_cast<uint8_t>(inList ? c.position : 0), FireKeyCode(c.position),
                                       c.speed, c.times};
            },
            [](const SingleKeyChoice& c) -> ButtonFunction {
                return SingleKeyFunction{KeyNameToCode(c.keyName)};
            },
            [](const ComboKeyChoice& c) -> ButtonFunction {
                return ComboKeyFunction{ModifierNameToMask(c.modifierName), KeyNameToCode(c.firstKeyName),
                                        KeyNameToCode(c.secondKeyName)};
            },
            [](const MacroKeyChoice& c) -> ButtonFunction {
                return MacroKeyFunction{c.macroNumber, repeatModeOf(c.repeatMode)};
            },
        },
        choice);
}

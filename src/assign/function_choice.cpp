#include "assign/function_choice.h"

#include "assign/assignment_labels.h"
#include "assign/key_names.h"

namespace {

std::wstring withItemText(const UiTexts& texts, std::size_t item, const std::wstring& detail) {
    return functionItemText(texts, item) + L"-" + detail;
}

// The firmware knows repeat modes 0 to 2 only; anything else (a dialog that never reached its
// initialisation and reports option 0, which minus 1 wraps round) repeats a given number of times.
uint8_t repeatModeOf(uint8_t repeatMode) {
    return repeatMode <= 2 ? repeatMode : 0;
}

} // namespace

FunctionChoice windowsKeyChoice(std::size_t item, const std::wstring& text) {
    return {windowsKeyFunction(item), text};
}

FunctionChoice multimediaKeyChoice(const UiTexts& texts, std::size_t item, const std::wstring& text) {
    return {multimediaKeyFunction(item), withItemText(texts, kMultimedia, text)};
}

FunctionChoice fireKeyChoice(const UiTexts& texts, int position, const std::wstring& keyName, uint8_t speed,
                             uint8_t times) {
    const bool inList = position >= 0 && position < kFireKeyCount;
    return {FireKeyFunction{static_cast<uint8_t>(inList ? position : 0), FireKeyCode(position), speed, times},
            withItemText(texts, kFireKey, keyName)};
}

FunctionChoice singleKeyChoice(const UiTexts& texts, const std::wstring& keyName) {
    return {SingleKeyFunction{KeyNameToCode(keyName)}, withItemText(texts, kSingleKey, keyName)};
}

FunctionChoice comboKeyChoice(const UiTexts& texts, const std::wstring& modifierName,
                              const std::wstring& firstKeyName, const std::wstring& secondKeyName) {
    const ComboKeyFunction function{ModifierNameToMask(modifierName), KeyNameToCode(firstKeyName),
                                    KeyNameToCode(secondKeyName)};
    std::wstring detail;
    const auto append = [&detail](const std::wstring& name, bool hasCode) {
        if (!hasCode) {
            return;
        }
        if (!detail.empty()) {
            detail += L"+";
        }
        detail += name;
    };
    append(modifierName, function.modifierMask != 0);
    append(firstKeyName, function.firstKeyCode != 0);
    append(secondKeyName, function.secondKeyCode != 0);
    return {function, withItemText(texts, kComboKey, detail)};
}

FunctionChoice macroKeyChoice(const UiTexts& texts, uint8_t macroNumber, uint8_t repeatMode,
                              const std::wstring& macroName) {
    return {MacroKeyFunction{macroNumber, repeatModeOf(repeatMode)},
            withItemText(texts, kMacroKey, macroName)};
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "assign/button_function.h"
#include "lang/language.h"

// What a function dialog hands back on OK: the function for the record and the label the box shows.
// The label is the only place that keeps the names a choice was made by; the record holds codes.
struct FunctionChoice {
    ButtonFunction function;
    std::wstring label;
    bool operator==(const FunctionChoice&) const = default;
};

// What a function dialog's model answers to one input: what the input changed, for the dialog to
// show, and the choice OK hands back from then on, which the dialog keeps.
template <typename Change>
struct DialogAnswer {
    Change change;
    FunctionChoice choice;
    bool operator==(const DialogAnswer&) const = default;
};

// The choice of each dialog from what the user saw: names become codes through the key-name tables
// and list positions become usages; a position outside its list gives code 0. The label is the
// Windows-function text alone, for the others the function's item text, "-" and the names chosen.

// A Windows-function or multimedia list item with its text in the current language.
FunctionChoice windowsKeyChoice(std::size_t item, const std::wstring& text);
FunctionChoice multimediaKeyChoice(const UiTexts& texts, std::size_t item, const std::wstring& text);
// A fire key by its position in the fire-key list and its name, the speed (5 to 255) and the times.
FunctionChoice fireKeyChoice(const UiTexts& texts, int position, const std::wstring& keyName, uint8_t speed,
                             uint8_t times);
// The name of the captured key, empty when no key was pressed; it shows even when it has no code.
FunctionChoice singleKeyChoice(const UiTexts& texts, const std::wstring& keyName);
// A modifier name (one of the eight of the modifier list, or empty) and two captured key names; the
// label joins those that have a code with "+".
FunctionChoice comboKeyChoice(const UiTexts& texts, const std::wstring& modifierName,
                              const std::wstring& firstKeyName, const std::wstring& secondKeyName);
// A macro by its position in the macro list (the slot it runs), the repeat mode as the mouse takes
// it (0 to 2: the dialog's option minus 1; anything else is stored as 0) and its name.
FunctionChoice macroKeyChoice(const UiTexts& texts, uint8_t macroNumber, uint8_t repeatMode,
                              const std::wstring& macroName);

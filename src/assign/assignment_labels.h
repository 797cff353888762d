#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "assign/dialog_choice.h"
#include "lang/language.h"

// The texts of the function list and the DPI sub-list, and the labels a box shows for a choice.
// The label is the only place that keeps the names a choice was made by; the record holds codes.

inline constexpr std::size_t kFunctionItemCount = 15;
inline constexpr std::size_t kDpiSwitchItemCount = 4;

// The text of function list item 0 to 14 in the current language; empty past the list.
std::wstring functionItemText(const UiTexts& texts, std::size_t item);

// "DPI +", "DPI -", "DPI Loop", "Shift DPI": the sub-list items for choices 1 to 4, the same in every
// language.
std::span<const std::wstring_view> dpiSwitchItems();

// The label of a DPI switch choice 1 to 4; empty for any other value.
std::wstring dpiSwitchLabel(uint8_t choice);

// The label of a choice made in a function dialog: the Windows-function text alone; for the others
// the function's item text, "-", and the names chosen (a combo joins the modifier and the two keys
// that have a code with "+"; a single key shows its name even when it has no code).
std::wstring choiceLabel(const UiTexts& texts, const DialogChoice& choice);

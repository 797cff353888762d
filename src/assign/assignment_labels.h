#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "lang/language.h"

// The texts of the function list and the DPI sub-list.

inline constexpr std::size_t kFunctionItemCount = 15;
inline constexpr std::size_t kDpiSwitchItemCount = 4;

// The text of function list item 0 to 14 in the current language; empty past the list.
std::wstring functionItemText(const UiTexts& texts, std::size_t item);

// "DPI +", "DPI -", "DPI Loop", "Shift DPI": the sub-list items for choices 1 to 4, the same in every
// language.
std::span<const std::wstring_view> dpiSwitchItems();

// The label of a DPI switch choice 1 to 4; empty for any other value.
std::wstring dpiSwitchLabel(uint8_t choice);

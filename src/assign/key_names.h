#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Keys are handled by name (as the keyboard layout names them on an English layout) until a choice is
// committed or a macro is encoded; these tables turn names into the one-byte codes the mouse takes:
// HID keyboard usages, plus the mouse codes F0h to F2h for the three mouse buttons.

// Code of a key name: exact, case-sensitive comparison with the whole name; 0 when none matches.
// "Ctrl", "Shift" and "Alt" are the left-hand keys. The names Wine gives the keys ("Return",
// "KP_End", ...) are taken too, so keys captured or recorded under Wine keep their codes.
uint8_t KeyNameToCode(std::wstring_view name);

// The name KeyNameToCode first gives a code for; empty for a code no name has (0 among them).
std::wstring_view KeyCodeToName(uint8_t code);

// Modifier-byte bit of one of the eight modifier names the combo key offers ("Left Ctrl" ... "Right Win");
// 0 when none matches.
uint8_t ModifierNameToMask(std::wstring_view name);

// The eight modifier names in mask order, as the combo key's modifier list shows them in every
// language.
std::span<const std::wstring_view> modifierItems();

inline constexpr int kFireKeyCount = 61;

// Code of the fire-key list item at a position (0 to 60); 0 outside the list.
uint8_t FireKeyCode(int position);

// The 61 fire-key list texts, the same in every language.
std::span<const std::wstring_view> fireKeyItems();

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "assign/button_function.h"

// The names a profile file gives to the values of the record: the English texts of the lists the
// values are chosen from, whatever the language of the user interface, so that a profile reads and
// compares the same everywhere.

inline constexpr uint8_t kFireKeyMinSpeed = 5;
inline constexpr uint8_t kMacroRepeatModeMax = 2; // stored 0..2, shown as the dialog's options 1..3

// "Left Click" .. "Key Off" for function indexes 0..14 and "Unassigned" for 15; empty otherwise.
std::wstring functionName(uint8_t index);

// The one-line text of a button function: the function's name, followed for a DPI switch, a
// Windows-function or multimedia key and a single key by a blank and the chosen item
// ("DPI Switch DPI +", "Windows Calculator", "Multimedia Vol+", "Single Key F5"). A single key
// without a code is "Single Key" alone. Fire, combo and macro keys have more fields than one text
// can hold: their text is the function's name only.
std::wstring buttonFunctionText(const ButtonFunction& function);

// The function a one-line text names; nothing for an unknown text or a function that needs more
// fields than the text holds.
std::optional<ButtonFunction> buttonFunctionOfText(std::wstring_view text);

// Whether a function has fields beyond its one-line text (fire, combo and macro keys).
bool hasFieldTable(const ButtonFunction& function);

// The position of `name` in `names`, compared whole and case-sensitively.
std::optional<std::size_t> positionOfName(std::span<const std::wstring> names, std::wstring_view name);
std::optional<std::size_t> positionOfName(std::span<const std::wstring_view> names, std::wstring_view name);

// English lighting names: modes 0..3 ("Off", "Standard", "Respiration", "Neon"), effects 0..3, and
// each mode's parameter list ("45%", "6S", "1.5S").
std::span<const std::wstring> lightingModeNames();
std::span<const std::wstring> lightingEffectNames();
std::span<const std::wstring> lightingParameterNames(uint8_t mode);
// Whether the effect list of a mode offers an effect.
bool isLightingEffectOf(uint8_t mode, uint8_t effect);

// "#RRGGBB" of a colour, upper-case hex digits; the colour of such a text (either case).
std::string colourText(uint8_t red, uint8_t green, uint8_t blue);
struct ParsedColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};
std::optional<ParsedColour> colourOfText(std::string_view text);

// The loop count of a "MacroLoopTimes" text that is exactly the decimal of a count 1..65535, as the
// editor writes it; nothing for any other text.
std::optional<uint16_t> plainLoopCount(std::wstring_view text);

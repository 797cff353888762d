#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text form of one macro event, as the event list shows it and record.ini stores it: a key
// name followed by "   Dn" (pressed) or "   Up" (released), or a number of milliseconds followed
// by " ms" (the wait after the key line before it). The kinds are told apart by these substrings.

inline constexpr std::wstring_view kKeyPressSuffix = L"   Dn";
inline constexpr std::wstring_view kKeyReleaseSuffix = L"   Up";
inline constexpr std::wstring_view kDelaySuffix = L" ms";

// The gap the recorder and the editor put between two key lines.
inline constexpr int kDefaultDelayMs = 50;

enum class MacroLineKind { KeyPress, KeyRelease, Delay, Other };

// A line holding "   Dn" is a press, else one holding "   Up" a release, else one holding "ms" a
// delay; anything else is kept in the list but produces no event.
MacroLineKind classifyMacroLine(std::wstring_view line);
inline bool isDelayLine(std::wstring_view line) {
    return classifyMacroLine(line) == MacroLineKind::Delay;
}

std::wstring keyPressLine(std::wstring_view keyName);
std::wstring keyReleaseLine(std::wstring_view keyName);
// "50 ms" for 50.
std::wstring delayLine(long long milliseconds);

// The key name of a key line: the line with every "   Dn" (press) or "   Up" (release) removed.
std::wstring keyNameOfLine(std::wstring_view line, MacroLineKind kind);

// The milliseconds of the line that follows a key line: every " ms" removed, then the leading
// decimal digits (none gives 0). Values too large for the mouse saturate at kMaxMacroDelayMs.
uint32_t delayOfLine(std::wstring_view line);

// The longest wait one event can carry: 255 hundreds plus 99 milliseconds.
inline constexpr uint32_t kMaxMacroDelayMs = 25599;

// The value of the leading decimal digits of `text` (0 when it starts with none), saturating at
// `ceiling` so that long digit strings cannot overflow.
uint32_t leadingDecimal(std::wstring_view text, uint32_t ceiling);

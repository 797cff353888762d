#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/device_config_record.h"

// The most lines a macro may have. A slot holds at most 63 events, so a longer list cannot be a
// macro the mouse can hold; the limit also bounds the reading of a hand-edited "ItemCount".
inline constexpr std::size_t kMacroLineLimit = 256;

// The loop count of a "MacroLoopTimes" text: its leading decimal digits; anything below 1 or above
// 65535 (missing, empty, 0, not a number) counts once.
uint16_t loopCountFromText(std::wstring_view text);

// The device form of one macro. A macro without lines is an all-zero slot, loop count included.
// Otherwise the loop count is stored big-endian and each key line becomes one event pair, the line
// after it giving the wait: [wait / 10, key code] up to 1270 ms, [wait mod 100, key code,
// wait / 100, 03h] above; bit 7 of the first byte marks a release. Lines that are not key lines
// produce nothing. Nothing when the events do not fit the slot or there are too many lines: such a
// macro is never cut, since a cut one could leave a key held down on the mouse.
std::optional<MacroSlot> encodeMacro(std::wstring_view loopTimes, std::span<const std::wstring> lines);

// Stores the loop count, clamped to 1..65535 as above, big-endian in bytes 0-1 of the slot.
void SetSlotLoopCount(MacroSlot& slot, long long loopCount);

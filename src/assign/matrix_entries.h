#pragma once

#include <array>
#include <cstdint>

// One key-matrix entry: a type byte and three parameter bytes, in the order sent to the mouse.
// Read as a 32-bit number it is little-endian (type byte lowest).
using KeyMatrixEntry = std::array<uint8_t, 4>;

// Entry types the firmware understands.
inline constexpr uint8_t kEntryKeyboard = 0x00;
inline constexpr uint8_t kEntryMouse = 0x01;
inline constexpr uint8_t kEntryConsumer = 0x03;
inline constexpr uint8_t kEntryDpi = 0x07;
inline constexpr uint8_t kEntryLighting = 0x08;
inline constexpr uint8_t kEntryMacro = 0x09;
inline constexpr uint8_t kEntryFire = 0x0A;

// Mouse codes: byte 2 of a mouse entry, and the mouse items of the fire-key list.
inline constexpr uint8_t kMouseLeft = 0xF0;
inline constexpr uint8_t kMouseRight = 0xF1;
inline constexpr uint8_t kMouseMiddle = 0xF2;
inline constexpr uint8_t kMouseButton4 = 0xF3;
inline constexpr uint8_t kMouseButton5 = 0xF4;
inline constexpr uint8_t kMouseTiltLeft = 0xF5;
inline constexpr uint8_t kMouseTiltRight = 0xF6;
inline constexpr uint8_t kMouseFixedF7 = 0xF7;
inline constexpr uint8_t kMouseFixedF8 = 0xF8;

// The DPI actions of the DPI switch sub-list.
inline constexpr uint8_t kDpiUp = 1;
inline constexpr uint8_t kDpiDown = 2;
inline constexpr uint8_t kDpiLoop = 3;
inline constexpr uint8_t kDpiShift = 4;

inline constexpr KeyMatrixEntry kEmptyEntry = {0, 0, 0, 0};

// Triple-click: the left button fired three times at speed 34.
inline constexpr uint8_t kTripleClickSpeed = 0x22;
inline constexpr uint8_t kTripleClickTimes = 3;

KeyMatrixEntry mouseEntry(uint8_t mouseCode);
KeyMatrixEntry consumerEntry(uint8_t usageLow, uint8_t usageHigh);
// Byte 3 flags "Shift DPI", the only DPI action the firmware holds while the button is down.
KeyMatrixEntry dpiSwitchEntry(uint8_t choice);
KeyMatrixEntry lightingToggleEntry();
// The macro number is 0-based in the record and 1-based on the mouse.
KeyMatrixEntry macroEntry(uint8_t repeatMode, uint8_t macroNumber);
KeyMatrixEntry fireEntry(uint8_t keyCode, uint8_t speed, uint8_t times);
KeyMatrixEntry keyboardEntry(uint8_t modifierMask, uint8_t keyCode, uint8_t secondKeyCode);

inline uint32_t entryAsDword(const KeyMatrixEntry& entry) {
    return static_cast<uint32_t>(entry[0]) | static_cast<uint32_t>(entry[1]) << 8 |
           static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[3]) << 24;
}

#include "assign/matrix_entries.h"

KeyMatrixEntry mouseEntry(uint8_t mouseCode) {
    return {kEntryMouse, 0, mouseCode, 0};
}

KeyMatrixEntry consumerEntry(uint8_t usageLow, uint8_t usageHigh) {
    return {kEntryConsumer, 0, usageLow, usageHigh};
}

KeyMatrixEntry dpiSwitchEntry(uint8_t choice) {
    return {kEntryDpi, 0, choice, static_cast<uint8_t>(choice == kDpiShift ? 1 : 0)};
}

KeyMatrixEntry lightingToggleEntry() {
    return {kEntryLighting, 0, 3, 0};
}

KeyMatrixEntry macroEntry(uint8_t repeatMode, uint8_t macroNumber) {
    return {kEntryMacro, repeatMode, static_cast<uint8_t>(macroNumber + 1), 0};
}

KeyMatrixEntry fireEntry(uint8_t keyCode, uint8_t speed, uint8_t times) {
    return {kEntryFire, keyCode, speed, times};
}

KeyMatrixEntry keyboardEntry(uint8_t modifierMask, uint8_t keyCode, uint8_t secondKeyCode) {
    return {kEntryKeyboard, modifierMask, keyCode, secondKeyCode};
}

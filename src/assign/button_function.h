#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>

#include "assign/matrix_entries.h"
#include "config/device_config_record.h"

// What one button does in one key mode, as a typed value: the function and the fields that function
// uses. The record keeps the same information as parallel byte arrays; ReadButtonFunction and
// WriteButtonFunction are the one place that maps between the two.

// A function without fields of its own: the clicks, Forward, Backward, Triple-click, RGB On/Off,
// Key Off, and also "unassigned" (15) or a damaged index, kept as the record holds it.
struct PlainFunction {
    uint8_t index = kUnassigned;
    bool operator==(const PlainFunction&) const = default;
};

// One of the DPI switch choices 1 ("DPI +") to 4 ("Shift DPI").
struct DpiSwitchFunction {
    uint8_t choice = kDpiUp;
    bool operator==(const DpiSwitchFunction&) const = default;
};

// A Windows-function key: the list item and the consumer usage derived from it when it was chosen.
struct WindowsKeyFunction {
    uint8_t item = 0;
    uint8_t usageLow = 0;
    uint8_t usageHigh = 0;
    bool operator==(const WindowsKeyFunction&) const = default;
};

// A multimedia key: the list item and its consumer usage (high byte always 0).
struct MultimediaKeyFunction {
    uint8_t item = 0;
    uint8_t usage = 0;
    bool operator==(const MultimediaKeyFunction&) const = default;
};

// A key or mouse button the mouse repeats: the fire-key list item, its code, the speed (smaller is
// faster) and the number of times (0: until the button is released).
struct FireKeyFunction {
    uint8_t item = 0;
    uint8_t keyCode = 0;
    uint8_t speed = 0;
    uint8_t times = 0;
    bool operator==(const FireKeyFunction&) const = default;
};

// One keyboard key; code 0 when its name has no code.
struct SingleKeyFunction {
    uint8_t keyCode = 0;
    bool operator==(const SingleKeyFunction&) const = default;
};

// A modifier (one bit of the modifier byte, or none) with up to two keys.
struct ComboKeyFunction {
    uint8_t modifierMask = 0;
    uint8_t firstKeyCode = 0;
    uint8_t secondKeyCode = 0;
    bool operator==(const ComboKeyFunction&) const = default;
};

// A macro by its 0-based position in the macro list, with repeat mode 0, 1 or 2.
struct MacroKeyFunction {
    uint8_t macroNumber = 0;
    uint8_t repeatMode = 0;
    bool operator==(const MacroKeyFunction&) const = default;
};

using ButtonFunction =
    std::variant<PlainFunction, DpiSwitchFunction, WindowsKeyFunction, MultimediaKeyFunction, FireKeyFunction,
                 SingleKeyFunction, ComboKeyFunction, MacroKeyFunction>;

// The function index the record stores for a function.
uint8_t functionIndexOf(const ButtonFunction& function);

// The Windows-function and multimedia keys of a list item, with the usage the mouse is sent.
WindowsKeyFunction windowsKeyFunction(std::size_t item);
MultimediaKeyFunction multimediaKeyFunction(std::size_t item);

// The set a key mode edits: set A for Mode A only, set B for any other value.
AssignmentSet& assignmentSetOf(DeviceConfigRecord& record, KeyMode keyMode);
const AssignmentSet& assignmentSetOf(const DeviceConfigRecord& record, KeyMode keyMode);
SlotBytes& dpiSubChoicesOf(DeviceConfigRecord& record, KeyMode keyMode);
const SlotBytes& dpiSubChoicesOf(const DeviceConfigRecord& record, KeyMode keyMode);

// The key mode the record's key-mode byte selects: Mode A for 0, Mode B for any other value.
KeyMode activeKeyMode(const DeviceConfigRecord& record);

// The function of one slot of a key mode's set. A slot past the end reads as unassigned.
ButtonFunction ReadButtonFunction(const DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot);

// Stores a function in one slot: its function index and its own fields; the fields of the other
// functions keep what they held. A slot past the end is ignored.
void WriteButtonFunction(DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot,
                         const ButtonFunction& function);

// The key-matrix entry of a function. A plain function whose index is not one of the field-less
// functions (unassigned, Key Off, a damaged value) gives the empty entry.
KeyMatrixEntry EncodeButtonFunction(const ButtonFunction& function);

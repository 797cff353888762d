#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "assign/button_function.h"

// What the function dialogs hand back on OK. A dialog returns names and list positions, as the user
// saw them; the names become codes (for the record) and labels (for the boxes) only when the choice
// is stored.

// A Windows-function or multimedia list item with its text in the current language.
struct WindowsKeyChoice {
    std::size_t item = 0;
    std::wstring text;
    bool operator==(const WindowsKeyChoice&) const = default;
};

struct MultimediaKeyChoice {
    std::size_t item = 0;
    std::wstring text;
    bool operator==(const MultimediaKeyChoice&) const = default;
};

// A fire key: its position in the fire-key list and its text, the speed (5 to 255) and the times.
struct FireKeyChoice {
    int position = 0;
    std::wstring keyName;
    uint8_t speed = 32;
    uint8_t times = 1;
    bool operator==(const FireKeyChoice&) const = default;
};

// The name of the captured key; empty when no key was pressed.
struct SingleKeyChoice {
    std::wstring keyName;
    bool operator==(const SingleKeyChoice&) const = default;
};

// A modifier name (one of the eight of the modifier list, or empty) and two captured key names.
struct ComboKeyChoice {
    std::wstring modifierName;
    std::wstring firstKeyName;
    std::wstring secondKeyName;
    bool operator==(const ComboKeyChoice&) const = default;
};

// A macro: its position in the macro list (the slot it runs), the repeat mode as the mouse takes it
// (0 to 2: the dialog's option minus 1) and its name for the label.
struct MacroKeyChoice {
    uint8_t macroNumber = 0;
    uint8_t repeatMode = 0;
    std::wstring macroName;
    bool operator==(const MacroKeyChoice&) const = default;
};

using DialogChoice = std::variant<WindowsKeyChoice, MultimediaKeyChoice, FireKeyChoice, SingleKeyChoice,
                                  ComboKeyChoice, MacroKeyChoice>;

// The dialog a function list item opens.
enum class FunctionDialog { None, WindowsKey, MultimediaKey, FireKey, SingleKey, ComboKey, MacroKey };

// None for the items that assign at once, and for "DPI Switch", which opens the DPI sub-list.
FunctionDialog dialogForItem(std::size_t item);
FunctionDialog dialogOf(const DialogChoice& choice);

// The function a choice stores: names turned into codes by the key-name tables, list positions into
// usages. A position outside its list gives code 0; a repeat mode above 2 is stored as 0.
ButtonFunction functionOf(const DialogChoice& choice);

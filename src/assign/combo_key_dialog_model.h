#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "assign/function_choice.h"
#include "assign/dialog_drop_down.h"
#include "common/dialog_layout.h"
#include "lang/language.h"

// The combo-key dialog: one modifier from a drop-down list and up to two keys, each captured into
// its edit while that edit has the focus. The background image carries the labels.
inline constexpr wchar_t kComboKeyDialogLoadFailure[] = L"Combo Dialog Load background image failed!!!";
inline constexpr DropDownLayout kComboModifierLayout{512, dialog_layout::ComboKeyModifierStatic,
                                                     dialog_layout::ComboKeyModifierDropdown, 515,
                                                     dialog_layout::ComboKeyModifierList};
inline constexpr int kComboFirstKeyEditId = 516; // centred edits
inline constexpr int kComboSecondKeyEditId = 517;

// The control that had the keyboard focus when a key was captured.
enum class ComboKeyEdit { None, First, Second };

// What the dialog says of its shortcuts, and what a screen reader calls its drop-down and fields.
struct ComboKeyDialogTexts {
    std::wstring shortcuts;
    std::wstring modifier;
    std::wstring firstKey;
    std::wstring secondKey;
};
ComboKeyDialogTexts comboKeyDialogTexts(const UiTexts& texts);

class ComboKeyDialogModel {
public:
    explicit ComboKeyDialogModel(const UiTexts& texts);

    const DialogDropDown& modifierList() const { return modifiers_; }
    // The modifier drop-down, the two key fields, OK and Cancel.
    std::vector<DialogStop> keyboardOrder() const;
    // The dialog's part of a left click: the modifier list opens or closes.
    DropDownClick click(Point p) { return modifiers_.click(p); }
    // The two key edits are disabled while the modifier list is open, so no key reaches them then.
    bool editsEnabled() const { return !modifiers_.open(); }
    // A modifier picked in the open list; the static shows modifierName(). Answers whether it was
    // taken.
    DialogAnswer<bool> chooseModifier(std::optional<std::size_t> row) {
        const bool taken = modifiers_.choose(row);
        return {taken, choice()};
    }
    const std::wstring& modifierName() const { return modifiers_.text(); }

    // A key event was captured while `focus` had the focus: the edit that had it now shows the
    // name (answered, for the view to set its text); with neither edit focused nothing changes.
    DialogAnswer<std::optional<ComboKeyEdit>> onKeyCaptured(std::wstring_view keyName, ComboKeyEdit focus);
    const std::wstring& firstKeyName() const { return firstKey_; }
    const std::wstring& secondKeyName() const { return secondKey_; }

    // What OK hands back: the modifier and the keys with a code.
    FunctionChoice choice() const { return comboKeyChoice(texts_, modifierName(), firstKey_, secondKey_); }

private:
    const UiTexts& texts_;
    DialogDropDown modifiers_;
    std::wstring firstKey_;
    std::wstring secondKey_;
};

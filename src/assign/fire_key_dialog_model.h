#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "assign/function_choice.h"
#include "assign/dialog_drop_down.h"
#include "common/dialog_layout.h"
#include "lang/language.h"

// The fire-key dialog: a key or mouse button from the fire-key list, the speed it repeats at and
// how many times.
inline constexpr wchar_t kFireKeyDialogLoadFailure[] = L"FireKey Dialog Load background image failed!!!";
inline constexpr DropDownLayout kFireKeyListLayout{572, dialog_layout::FireKeyKeyStatic,
                                                   dialog_layout::FireKeyKeyDropdown, 573,
                                                   dialog_layout::FireKeyKeyList};
inline constexpr int kFireSpeedEditId = 574; // digits only, centred
inline constexpr int kFireTimesEditId = 575;

inline constexpr uint8_t kFireSpeedDefault = 32;
inline constexpr uint8_t kFireTimesDefault = 1;
inline constexpr int kFireSpeedMin = 5;
inline constexpr int kFireSpeedMax = 255;
inline constexpr int kFireTimesMax = 255;

struct FireKeyDialogTexts {
    std::wstring speedCaption;
    std::wstring timesCaption;
    std::wstring speedNote;
    std::wstring timesNote;
    std::wstring keyListName; // what a screen reader calls the key drop-down
};
FireKeyDialogTexts fireKeyDialogTexts(const UiTexts& texts);

class FireKeyDialogModel {
public:
    explicit FireKeyDialogModel(const UiTexts& texts);

    const DialogDropDown& keyList() const { return keys_; }
    // The key drop-down, the speed and times fields, OK and Cancel.
    std::vector<DialogStop> keyboardOrder() const;
    // The dialog's part of a left click: the key list opens or closes.
    DropDownClick click(Point p) { return keys_.click(p); }
    // Both edits are disabled while the key list is open.
    bool editsEnabled() const { return !keys_.open(); }
    // Lines the open key list scrolls for one wheel notch (0 while it is closed).
    int wheelLines(int wheelDelta) const { return dropDownWheelLines(wheelDelta, keys_.open()); }
    // A key picked in the open list; the display shows keyName(). Answers whether it was taken.
    DialogAnswer<bool> chooseKey(std::optional<std::size_t> row);
    const std::wstring& keyName() const { return keys_.text(); }

    // The edits' texts as the dialog starts: "32" and "1".
    const std::wstring& speedText() const { return speedText_; }
    const std::wstring& timesText() const { return timesText_; }

    // The speed edit's text changed; the edit is checked when it loses the focus, the choice at once.
    FunctionChoice onSpeedChanged(std::wstring text);
    // The speed edit lost the focus: a speed outside 5 to 255 becomes 5. Answers the text the edit
    // must show instead, when it was replaced.
    DialogAnswer<std::optional<std::wstring>> onSpeedFocusLost();
    // The times edit's text changed: times outside 0 to 255 become 1 at once. Answers the
    // replacement text, when there is one.
    DialogAnswer<std::optional<std::wstring>> onTimesChanged(std::wstring text);

    // What OK hands back. The speed obeys its range also when OK is clicked while the speed edit
    // still has the focus, so the rule is applied to the text it holds.
    FunctionChoice choice() const;

private:
    const UiTexts& texts_;
    DialogDropDown keys_;
    std::wstring speedText_;
    std::wstring timesText_;
};

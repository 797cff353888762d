#pragma once

#include <optional>
#include <string>

#include "assign/function_choice.h"
#include "assign/dialog_drop_down.h"
#include "common/dialog_layout.h"
#include "common/geometry.h"
#include "lang/language.h"
#include "macro/macro_store.h"

// The macro-key dialog: which stored macro a button runs and how the macro repeats. The number of
// repetitions of mode 1 is the macro's own loop count; the dialog has no field for it.
inline constexpr wchar_t kMacroKeyDialogLoadFailure[] = L"Macro Key Dialog Load background image failed!!!";
inline constexpr DropDownLayout kMacroKeyListLayout{592, dialog_layout::MacroKeyMacroStatic,
                                                    dialog_layout::MacroKeyMacroDropdown, 593,
                                                    dialog_layout::MacroKeyMacroList};

// The three repeat modes, numbered as the dialog shows them.
inline constexpr int kMacroRepeatModeCount = 3;
// A mode's 16 by 16 tick box: "/PaneMakingTick.png" when chosen, else "/Pane.png".
Rect macroRepeatTickBox(int mode);
// A mode's text, white, word-wrapped and vertically centred; the texts are not clickable.
Rect macroRepeatTextRect(int mode);
TextKey macroRepeatText(int mode);

// The dialog's part of one left click: the drop-down first (an open list closes on a click outside
// it), then at most one tick box.
struct MacroKeyDialogClick {
    DropDownClick list = DropDownClick::None;
    std::optional<int> repeatMode;
    bool operator==(const MacroKeyDialogClick&) const = default;
};

class MacroKeyDialogModel {
public:
    // The list offers the macros of record.ini in file order, as the macro list of the editor does.
    MacroKeyDialogModel(MacroStore& store, const UiTexts& texts);

    const DialogDropDown& macroList() const { return macros_; }
    // The macro drop-down, the three repeat options, OK and Cancel.
    static std::vector<DialogStop> keyboardOrder();
    MacroKeyDialogClick click(Point p);
    // Lines the open list scrolls for one wheel notch (0 while it is closed).
    int wheelLines(int wheelDelta) const { return dropDownWheelLines(wheelDelta, macros_.open()); }
    // A macro picked in the open list; the display shows macroName(). Answers whether it was taken.
    DialogAnswer<bool> chooseMacro(std::optional<std::size_t> row) {
        const bool taken = macros_.choose(row);
        return {taken, choice()};
    }
    const std::wstring& macroName() const { return macros_.text(); }

    // Chooses repeat mode 1 to 3 (the dialog starts with 1). Answers the mode whose tick box is
    // drawn empty again; nothing when the choice did not change.
    DialogAnswer<std::optional<int>> chooseRepeatMode(int mode);
    int repeatMode() const { return repeatMode_; }

    // What OK hands back; OK is not validated, so without a choice it is the first macro with an
    // empty name. The position is the macro number, the repeat mode the option minus 1.
    FunctionChoice choice() const;

private:
    const UiTexts& texts_;
    DialogDropDown macros_;
    int repeatMode_ = 1;
};

#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>

#include "assign/dialog_drop_down.h"
#include "skin/win/skinned_sub_dialog.h"
#include "ui/win/scoped_handle.h"

// The controls of a function dialog's drop-down: the sunken static that shows the choice and the
// list box that exists while the model says the list is open. The dialog feeds the model clicks
// and list choices and then lets these controls show the model again.
class DropDownControls {
public:
    DropDownControls(SkinnedSubDialog& dialog, const DialogDropDown& model)
        : dialog_(dialog), model_(model) {}

    // Creates the static showing the model's text; `textStyle` is its alignment (SS_CENTER or 0).
    void create(DWORD textStyle);

    // Creates the list with the model's items when the model opened it (wider than its place when
    // an item would not fit), and takes it away when the
    // model closed it: hidden at once, destroyed once the message loop reaches it again, as it may
    // be inside its own notification. `edits` are disabled while the list is open and the focus goes
    // to the dialog, so that no key reaches them.
    void showList(std::initializer_list<HWND> edits = {});
    // The display shows the model's text again. A text wider than the display is shown in a smaller
    // cut of the dialog font, so that it is seen whole.
    void showChoice();

    HWND list() const { return list_.get(); }
    // The list's selected row, nothing while it is closed or has no selection.
    std::optional<std::size_t> selection() const;
    // Whether a WM_COMMAND is the list telling that an item was picked (selection change or
    // double-click).
    bool isPick(int control, int notification) const;
    // Whether a press at p belongs to the drop-down (its click area, or the open list) rather than
    // dragging the dialog.
    bool covers(Point p) const;
    // Scrolls the open list by `lines` (negative: up).
    void scroll(int lines) const;

private:
    SkinnedSubDialog& dialog_;
    const DialogDropDown& model_;
    HWND display_ = nullptr;
    UniqueFont displayFont_;
    UniqueWindow list_;
};

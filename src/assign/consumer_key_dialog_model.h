#pragma once

#include <optional>
#include <string>

#include "assign/function_choice.h"
#include "assign/dialog_drop_down.h"
#include "common/dialog_layout.h"
#include "lang/language.h"

// The multimedia and the Windows-function dialogs: pickers of one consumer-control key from a fixed
// list in the current language. Neither draws texts of its own; the background images carry them.
enum class ConsumerKeyDialog { Multimedia, WindowsFunction };

inline constexpr wchar_t kMultimediaDialogLoadFailure[] = L"Media Dialog Load background image failed!!!";
inline constexpr DropDownLayout kMultimediaListLayout{552, dialog_layout::MediaKeyItemStatic,
                                                      dialog_layout::MediaKeyItemDropdown, 553,
                                                      dialog_layout::MediaKeyItemList};

inline constexpr wchar_t kWindowsDialogLoadFailure[] = L"Windows Dialog Load background image failed!!!";
inline constexpr DropDownLayout kWindowsListLayout{532, dialog_layout::WindowsKeyItemStatic,
                                                   dialog_layout::WindowsKeyItemDropdown, 533,
                                                   dialog_layout::WindowsKeyItemList};

// The list items of a dialog in the current language, in the order of the usage tables.
std::vector<std::wstring> consumerKeyItems(ConsumerKeyDialog dialog, const UiTexts& texts);

class ConsumerKeyDialogModel {
public:
    // The choice starts at the first item, with its text on the display.
    ConsumerKeyDialogModel(ConsumerKeyDialog dialog, const UiTexts& texts);

    const DialogDropDown& list() const { return list_; }
    // The drop-down, OK and Cancel.
    std::vector<DialogStop> keyboardOrder() const { return withOkAndCancel({dropDownStop(list_.layout())}); }
    // The dialog's part of a left click: the list opens or closes. The wheel does not scroll it.
    DropDownClick click(Point p) { return list_.click(p); }
    // An item picked in the open list; the display shows its text. Answers whether it was taken.
    DialogAnswer<bool> chooseItem(std::optional<std::size_t> row) {
        const bool taken = list_.choose(row);
        return {taken, choice()};
    }

    // What OK hands back: the key of the item, labelled with its text.
    FunctionChoice choice() const;

private:
    const UiTexts& texts_;
    ConsumerKeyDialog dialog_;
    DialogDropDown list_;
};

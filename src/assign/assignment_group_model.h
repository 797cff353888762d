#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "assign/function_choice.h"
#include "common/geometry.h"
#include "config/app_settings.h"
#include "config/device_config_record.h"
#include "lang/language.h"
#include "lang/notice.h"

// The buttons the page shows and edits (slots 0 to 6); slots 7 to 11 keep their defaults.
inline constexpr std::size_t kShownButtonCount = 7;

// The function list item that opens the DPI sub-list instead of assigning anything.
inline constexpr std::size_t kDpiSwitchItem = kDpiSwitch;

// Where the DPI sub-list opens: beside the "DPI Switch" item of the open list, 60 by 80 pixels.
// `list` is the open list's rectangle in the window, `item` the item's rectangle inside the list.
Rect dpiSubListRect(Rect list, Rect item);

// The dialog a function list item opens.
enum class FunctionDialog { WindowsKey, MultimediaKey, FireKey, SingleKey, ComboKey, MacroKey };

// Nothing for the items that assign at once, and for "DPI Switch", which opens the DPI sub-list.
std::optional<FunctionDialog> dialogForItem(std::size_t item);

// What a pick in a function list asks of the view: nothing, or to run `dialog` for `slot` and hand its
// result to assign().
struct DialogRequest {
    FunctionDialog dialog{};
    std::size_t slot = 0;
    bool operator==(const DialogRequest&) const = default;
};

struct FunctionPick {
    bool changed = false; // the slot's function and label changed at once
    std::optional<DialogRequest> dialog;
    bool operator==(const FunctionPick&) const = default;
};

// The button-assignment group of the Basic Settings page: seven drop-down boxes with their function
// lists (at most one open), the DPI sub-list beside the list's "DPI Switch" item, the key modes and
// Default. It edits the active key mode's assignment set in the record and the labels; nothing
// reaches the mouse until the configuration is applied.
class AssignmentGroupModel {
public:
    AssignmentGroupModel(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts);

    // The 15 items of every function list, in the current language.
    std::vector<std::wstring> listItems() const;

    // The slot whose function list is open, if any, and whether the DPI sub-list is open beside it.
    std::optional<std::size_t> openList() const { return openList_; }
    bool dpiSubListOpen() const { return dpiSubListOpen_; }

    // The edited key mode: Mode A for key mode byte 0, Mode B for any other value.
    KeyMode keyMode() const;
    // The label box `slot` shows in the edited key mode.
    const std::wstring& label(std::size_t slot) const;

    // A click on box `slot` (0 to 6): closes its open list, or opens it and closes any other. The
    // last button holding Left Click in the edited set (hidden slots count) keeps it: its list does not
    // open and the refusal is returned.
    std::optional<Notice> toggleAssignmentList(std::size_t slot);
    // A click elsewhere on the page closes the open list and the DPI sub-list.
    void closeLists();

    // The mouse rests on `item` of the open list of `slot`: "DPI Switch" opens the DPI sub-list, any
    // other item closes it.
    void onAssignmentListHover(std::size_t slot, std::optional<std::size_t> item);

    // The user picked `item` in the list of `slot`. The direct functions are stored at once and the
    // list closes; the others ask for their dialog, and the list stays open while it runs. Nothing
    // selected or "DPI Switch" leaves the list open and changes nothing.
    FunctionPick pickFunction(std::size_t slot, std::optional<std::size_t> item);
    // The dialog pickFunction asked for ended with `choice`, nothing when it was cancelled or closed:
    // the lists close and the slot takes the choice; a cancelled dialog leaves the slot's function,
    // fields and label exactly as they were. Returns whether the slot changed.
    bool assign(std::size_t slot, const std::optional<FunctionChoice>& choice);

    // Row 0 to 3 of the DPI sub-list picked: the open list's slot gets that DPI switch choice, and
    // both lists close. Returns whether a slot changed.
    bool onDpiSubListChoice(std::optional<std::size_t> row);

    // "Mode A" or "Mode B": the boxes now show and edit that key mode's set. Both sets keep their
    // assignments.
    void selectKeyMode(KeyMode mode);

    // "Default": the default functions and their labels in both key modes; the key mode stays.
    void restoreDefaultAssignments();

private:
    bool lastLeftClick(std::size_t slot) const;
    void store(std::size_t slot, const ButtonFunction& function, std::wstring label);

    DeviceConfigRecord& record_;
    AppSettings& settings_;
    const UiTexts& texts_;
    std::optional<std::size_t> openList_;
    bool dpiSubListOpen_ = false;
};

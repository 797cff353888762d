#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog_focus.h"
#include "common/geometry.h"

// Where a function dialog's drop-down stands: a sunken static showing the choice, the area a click
// toggles the list in (the static plus the arrow of the background image beside it), and the list box
// created below it while it is open.
struct DropDownLayout {
    int displayId = 0;
    Rect display;
    Rect clickArea;
    int listId = 0;
    Rect list;
};

// A drop-down as a stop of its dialog's keyboard order: Space on its click area opens and closes the
// list, its display shows the value.
DialogStop dropDownStop(const DropDownLayout& layout);

// What a left click on the dialog did to the list, before the OK and Cancel test.
enum class DropDownClick { None, Opened, Closed };

// The drop-down list of a function dialog: its items, whether the list is open, and the item chosen
// with the text the display shows.
class DialogDropDown {
public:
    DialogDropDown(DropDownLayout layout, std::vector<std::wstring> items, std::wstring initialText);

    const DropDownLayout& layout() const { return layout_; }
    const std::vector<std::wstring>& items() const { return items_; }
    bool open() const { return open_; }

    // A left click at p: in the click area it opens or closes the list; anywhere else outside the
    // open list it closes it.
    DropDownClick click(Point p);
    void close() { open_ = false; }

    // The item of the open list picked by a selection change or a double-click. Taken only while the
    // list is open and when the row is one of its items; the list closes. Returns whether it was taken.
    bool choose(std::optional<std::size_t> row);

    std::size_t position() const { return position_; }
    const std::wstring& text() const { return text_; }

private:
    DropDownLayout layout_;
    std::vector<std::wstring> items_;
    bool open_ = false;
    std::size_t position_ = 0;
    std::wstring text_;
};

// Lines the open list scrolls for one wheel notch: three up (-3) when the wheel turned away from the
// user (positive delta), three down otherwise; 0 while the list is closed.
int dropDownWheelLines(int wheelDelta, bool listOpen);

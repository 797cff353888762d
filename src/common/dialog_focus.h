#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "common/accessible_node.h"
#include "common/focus_ring.h"
#include "common/geometry.h"

// One stop of a skinned dialog's keyboard order: an area the dialog draws, where Space acts as a
// click in its middle, or a field or a list (roles Edit and List), which takes the keys itself while
// it has the focus. `control` is the child control that takes those keys, or that shows the stop's
// value (a drop-down's display); 0 for none.
struct DialogStop {
    Rect area;
    FocusRole role = FocusRole::Button;
    int control = 0;

    bool takesOwnKeys() const { return role == FocusRole::Edit || role == FocusRole::List; }
    bool operator==(const DialogStop&) const = default;
};

// A dialog's stops in reading order, closed by its OK and Cancel buttons. (Its close box does what
// Cancel does and is left out, as the caption buttons of a system dialog are.)
std::vector<DialogStop> withOkAndCancel(std::vector<DialogStop> content);

// What a key does in a skinned dialog.
struct DialogFocusAction {
    enum class Kind : uint8_t {
        None,     // the key means nothing here
        MoveMark, // the focus moved: the keys go to the focused stop, the mark is drawn again
        Activate, // click the focused area at `point`
    };
    Kind kind = Kind::None;
    Point point;
    bool operator==(const DialogFocusAction&) const = default;
};

// The keyboard focus of a skinned dialog: Tab and Shift+Tab go round its stops, Space clicks the
// focused drawn area; a click or a control taking the focus moves it too.
class DialogFocus {
public:
    explicit DialogFocus(std::vector<DialogStop> order = {});

    DialogFocusAction key(FocusKey key);
    void clickedAt(Point p);
    void controlFocused(int control);
    bool focusAt(std::size_t index) { return ring_.focusAt(index, true); }

    const std::vector<DialogStop>& order() const { return order_; }
    std::optional<std::size_t> focusedIndex() const { return ring_.focused(); }
    std::optional<DialogStop> focused() const;
    // Where the focus mark goes: the focused stop's area once the keyboard moved the focus.
    Rect markRect() const;

private:
    std::vector<DialogStop> order_;
    FocusRing ring_;
};

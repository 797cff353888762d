#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The keys a skinned window passes on to its keyboard focus.
enum class FocusKey : uint8_t { Tab, ShiftTab, Space, Left, Right, Up, Down, CtrlTab };

// Which of a window's stops has the keyboard focus. Tab and Shift+Tab go round the stops in
// reading order, wrapping at either end; before the first of them no stop has the focus. A click or
// a screen reader also gives a stop the focus, but the focus mark shows only once the keyboard has
// moved it, so that a mouse user never sees it.
class FocusRing {
public:
    // The window now has `count` stops; the focus stays on `kept` (its new place) or leaves.
    void reset(std::size_t count, std::optional<std::size_t> kept);
    // Tab (forward) or Shift+Tab; false when the window has no stops.
    bool move(bool forward);
    // Gives the focus to stop `index`; false outside the stops. `byKeyboard` shows the mark.
    bool focusAt(std::size_t index, bool byKeyboard);

    std::optional<std::size_t> focused() const { return focused_; }
    // Whether the focus mark is drawn: a stop has the focus and the keyboard has moved it.
    bool markShown() const { return focused_.has_value() && keyboardUsed_; }

private:
    std::size_t count_ = 0;
    std::optional<std::size_t> focused_;
    bool keyboardUsed_ = false;
};

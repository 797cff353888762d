#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/hot_area.h"
#include "common/accessible_node.h"
#include "common/geometry.h"
#include "lang/text_key.h"

// One stop of the keyboard order: every hot area of kind `area` and number `index` (a scale's
// positions are one stop). `place` is its place in the reading order of the whole window; the
// frame's stops and the shown page's stops are merged by it.
struct FocusStop {
    uint16_t place = 0;
    HotArea area{};
    uint8_t index = 0;
    FocusRole role = FocusRole::Button;
    // The text that names the area; nothing where the window shows none for it yet.
    std::optional<TextKey> name;

    bool covers(const HotAreaEntry& entry) const { return entry.area == area && entry.index == index; }
    bool operator==(const FocusStop&) const = default;
};

// The stops of the frame shared by both pages, in reading order.
std::span<const FocusStop> frameFocusOrder();

// The rectangle around all the areas of a stop (a scale's positions together).
Rect focusStopRect(const FocusStop& stop);

// The keys the main window passes on to the keyboard focus.
enum class FocusKey : uint8_t { Tab, ShiftTab, Space, Left, Right, Up, Down, CtrlTab };

// What a key makes the window do.
struct FocusAction {
    enum class Kind : uint8_t {
        None,       // the key means nothing here
        MoveMark,   // the focus moved: the focus mark is drawn again
        Activate,   // click the focused area at `point`: the same as a click there
        StepScale,  // move the focused scale `step` positions (up or right is +1)
        SwitchPage, // show the other page
    };
    Kind kind = Kind::None;
    Point point;
    int step = 0;
    bool operator==(const FocusAction&) const = default;
};

// The keyboard focus of the main window: which stop has it, and what Tab, Shift+Tab, Space, the
// arrows and Ctrl+Tab do. Tab and Shift+Tab go round the window's stops in reading order, wrapping
// at either end; before the first Tab no stop has the focus.
class KeyboardFocus {
public:
    // The shown page's stops; the focus leaves a stop of the page the window no longer shows.
    void showPage(std::span<const FocusStop> pageStops);
    FocusAction key(FocusKey key);
    std::optional<FocusStop> focused() const;
    // The window's stops in reading order, and the place of the focused one among them.
    std::span<const FocusStop> order() const { return order_; }
    std::optional<std::size_t> focusedIndex() const { return focused_; }
    // Gives the focus to stop `index` of order() (a screen reader's selection); false outside it.
    bool focusAt(std::size_t index);
    // The rectangle the focus mark is drawn around: all the areas of the focused stop.
    Rect focusedRect() const;

private:
    std::vector<FocusStop> order_;
    std::optional<std::size_t> focused_;
};

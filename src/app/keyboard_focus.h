#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/area_kind.h"
#include "app/hot_area.h"
#include "common/accessible_node.h"
#include "common/focus_ring.h"
#include "common/geometry.h"
#include "lang/text_key.h"

// One stop of the keyboard order: every hot area of kind `area` and number `index` (a scale's
// positions are one stop), or a child control of the page (`control` its identifier, `controlRect`
// where it stands) that takes the keys itself while it has the focus. `place` is its place in the
// reading order of the whole window; the frame's stops and the shown page's stops are merged by it.
struct FocusStop {
    uint16_t place = 0;
    HotArea area{};
    uint8_t index = 0;
    FocusRole role = FocusRole::Button;
    // The text that names the area; nothing where the window shows none for it yet.
    std::optional<TextKey> name;
    int control = 0;
    Rect controlRect{};

    bool covers(const HotAreaEntry& entry) const {
        return control == 0 && entry.area == area && entry.index == index;
    }
    bool operator==(const FocusStop&) const = default;
};

// The stops of the areas of `kinds` laid out in `layout`, one per kind and index, in reading order.
std::vector<FocusStop> areaFocusStops(std::span<const AreaKind> kinds, std::span<const HotAreaEntry> layout);

// The stops of the frame shared by both pages, in reading order.
std::span<const FocusStop> frameFocusOrder();

// The rectangle around all the areas of a stop (a scale's positions together).
Rect focusStopRect(const FocusStop& stop);

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
// arrows and Ctrl+Tab do (the ring's rules; a control stop takes Space and the arrows itself).
class KeyboardFocus {
public:
    // The shown page's stops; the focus leaves a stop of the page the window no longer shows.
    void showPage(std::span<const FocusStop> pageStops);
    FocusAction key(FocusKey key);
    std::optional<FocusStop> focused() const;
    // The window's stops in reading order, and the place of the focused one among them.
    std::span<const FocusStop> order() const { return order_; }
    std::optional<std::size_t> focusedIndex() const { return ring_.focused(); }
    // Gives the focus to stop `index` of order() (a screen reader's selection); false outside it.
    bool focusAt(std::size_t index);
    // A click at p gives the focus to the stop whose area takes it; elsewhere the focus stays.
    void clickedAt(Point p);
    // The page's control `control` took the keyboard focus (a click in it).
    void controlFocused(int control);
    // The rectangle around all the areas of the focused stop.
    Rect focusedRect() const;
    // Where the focus mark is drawn: the focused stop's rectangle once the keyboard has moved the
    // focus; empty before.
    Rect markRect() const { return ring_.markShown() ? focusedRect() : Rect{}; }

private:
    std::vector<FocusStop> order_;
    FocusRing ring_;
};

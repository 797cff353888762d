#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "common/geometry.h"

// One button to draw again, by its position in the item list.
struct HoverRedraw {
    std::size_t item = 0;
    bool over = false;
    bool operator==(const HoverRedraw&) const = default;
};

// What the window does after a pointer event.
struct HoverUpdate {
    bool requestHoverNotice = false;  // ask the system for a hover notification (10 ms)
    std::vector<HoverRedraw> redraws; // draw into the canvas, in this order
    // Copy the whole client area to the screen once, after the redraws.
    bool copyToWindow() const { return !redraws.empty(); }
};

// Which buttons of a skinned window are drawn in their "over" state. At most one item is lit at a
// time: lighting one draws every other lit item normal again. That covers the button groups (OK,
// Apply and Cancel; the page buttons; the drop-down headers; New, Delete and Confirm) and also keeps
// two buttons of different groups from looking hovered together when the pointer jumps from one
// straight onto the other. Where two items share an edge column, the one
// further right takes the point, as it is drawn over its neighbour there.
class HoverTracker {
public:
    explicit HoverTracker(std::vector<Rect> items);

    // The pointer moved to p. Inside an item: a hover notification is requested. Outside all items:
    // every lit item is drawn normal again.
    HoverUpdate onMouseMove(Point p);
    // The hover notification arrived with the pointer at p: the item there is lit (again, when it
    // already was) and the others go back to normal. No item there: as a move outside.
    HoverUpdate onMouseHover(Point p);

    std::optional<std::size_t> itemAt(Point p) const;
    bool isLit(std::size_t item) const { return lit_.at(item); }
    // Forgets every over state, after the window was drawn afresh.
    void reset();

private:
    HoverUpdate clearAll(std::optional<std::size_t> except);

    std::vector<Rect> items_;
    std::vector<bool> lit_;
};

// The index of the rectangle that takes point p: the first one containing it, unless a later one in
// the same row also contains it because the two touch, in which case the right-hand one.
std::optional<std::size_t> pickRect(std::span<const Rect> rects, Point p);

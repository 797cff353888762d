#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "common/geometry.h"

// The hot areas of the main window: fixed client-pixel rectangles that do not depend on the skin,
// one kind per AREA_KIND row of the page layout (page_layout.inc), in its order.
#define PAGE_WINDOW(width, height)
#define AREA_KIND(area, role) area,
#define HOT_AREA(table, area, index, subIndex, left, top, right, bottom)
#define PAGE_CONTROL(name, left, top, right, bottom)
enum class HotArea : uint8_t {
#include "app/page_layout.inc"
};
#undef PAGE_CONTROL
#undef HOT_AREA
#undef AREA_KIND
#undef PAGE_WINDOW

// One rectangle of a page's table. Indexes count from 0 (the first button box is 0; the window shows
// it as 1); 0 where unused.
struct HotAreaEntry {
    HotArea area{};
    Rect rect;
    uint8_t index = 0;
    uint8_t subIndex = 0;
};

// The tables of the page layout (page_layout.inc), each in the order a click tests its areas; the
// list windows come last.
std::span<const HotAreaEntry> commonFrameAreas();
std::span<const HotAreaEntry> basicPageAreas();
std::span<const HotAreaEntry> advancedPageAreas();

// True for areas a click on the page acts on (role Target; an open-list window takes its own clicks).
bool isClickTarget(HotArea area);

// The rectangle of an area looked up in all three tables; an empty rectangle for an unknown one.
Rect hotAreaRect(HotArea area, uint8_t index = 0, uint8_t subIndex = 0);

// The click target of `table` that takes point p: the first in table order, except that where two
// buttons of one row share an edge column the right-hand one takes it (it is drawn over the other).
std::optional<HotAreaEntry> clickTargetAt(std::span<const HotAreaEntry> table, Point p);

#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "common/geometry.h"

// The hot areas of the main window: fixed client-pixel rectangles that do not depend on the skin.
enum class HotArea : uint8_t {
    // The frame shared by both pages
    Ok,
    Apply,
    Cancel,
    Skins,
    Minimise,
    Close,
    BasicPageButton,
    AdvancedPageButton,
    WebLink,
    // Basic Settings page
    ModeA,
    ModeB,
    KeyDefault,
    AssignmentHeader,  // index: button 1..7
    ReportRateSegment, // index: 1..4 for 125, 250, 500, 1000 Hz
    DpiStageCheckBox,  // index: stage 1..4
    DpiColourSwatch,   // index: stage 1..4
    LightingHeader,    // index: 1 mode, 2 parameter, 3 effect
    DpiLevelCell,      // index: stage 1..4, subIndex: position 1..12 from the bottom
    AssignmentList,    // index: button 1..7; the open list window, no click target of the page
    LightingList,      // index: 1..3; likewise
    // Advanced Settings page
    PrecisionCheckBox,
    OneScreenCheckBox,
    PointerDefault,
    RecordStart,
    RecordStop,
    NewMacro,
    DeleteMacro,
    ConfirmMacro,
    MouseEventHeader,
    PointerSliderSegment, // index: slider 1..3, subIndex: segment 1..11
    MouseEventList,       // the open list window, no click target of the page
};

// One rectangle of a page's table. Indexes count from 1 as the user sees them; 0 where unused.
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

// True for areas a click on the page is dispatched to (every area but the open-list windows).
bool isClickTarget(HotArea area);

// The rectangle of an area looked up in all three tables; an empty rectangle for an unknown one.
Rect hotAreaRect(HotArea area, uint8_t index = 0, uint8_t subIndex = 0);

// The click target of `table` that takes point p: the first in table order, except that where two
// buttons of one row share an edge column the right-hand one takes it (it is drawn over the other).
std::optional<HotAreaEntry> clickTargetAt(std::span<const HotAreaEntry> table, Point p);

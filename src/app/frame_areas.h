#pragma once

#include <span>

#include "app/area_kind.h"
#include "app/click_dispatch.h"
#include "app/page.h"

// One area of the frame shared by both pages: what it is (area_kind.h) and what a left click on it
// makes the program do.
struct FrameArea {
    AreaKind kind;
    ClickAction action = ClickAction::None;
    // The shown page first closes the lists the click is not in or on, as a click on the page does.
    bool closesPageLists = false;
    // Without the mouse the click does nothing: there is nothing to apply.
    bool needsMouse = false;
    // A page button: the page it shows. A click on it while that page shows does nothing, and its
    // tab reads as checked then.
    Page page = Page::None;
};

// The kinds of the frame's table, one row per kind of area.
std::span<const AreaKind> frameAreaKinds();
// The row of `area`; nothing for an area of a page.
const FrameArea* frameAreaOf(HotArea area);

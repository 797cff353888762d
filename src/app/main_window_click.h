#pragma once

#include <optional>

#include "app/click_dispatch.h"
#include "app/page_click_model.h"
#include "app/page_update.h"
#include "common/geometry.h"

// What one left click on the main window comes to.
struct MainWindowClick {
    // What the frame does. Never ToPage: a click the page took is None, one on no area of the
    // page drags the window.
    ClickAction action = ClickAction::None;
    // What the shown page shows, where it took the click.
    std::optional<PageUpdate> page;

    bool operator==(const MainWindowClick&) const = default;
};

// A left click at p on the main window: the frame's buttons first (dispatchClick), closing the
// page's open lists where they say so, then the shown page, whose model is `page` (nullptr while
// no page is shown).
MainWindowClick routeMainWindowClick(const ClickContext& context, PageClickModel* page, Point p);

#pragma once

#include "app/page_switch.h"

// What a left click on the notification icon does, in this order.
struct ReopenPlan {
    bool reportMouseMissing = false; // the "mouse not detected" balloon; the window stays hidden
    bool rereadSettings = false;     // the button labels of str.ini, discarding unapplied ones
    PageBuildPlan page;              // the page to build or rebuild
    bool showWindow = false;         // bring the window to the front and show it
};

// Opens the main window from the notification icon. After Cancel (`revertPending`) the shown page is
// built again from the reverted record, the Basic page with the labels read again from str.ini.
// A mouse plugged in after start-up gets its Basic page built on the first opening.
ReopenPlan planWindowReopen(PageState& pages, bool& revertPending, bool deviceConnected);

#pragma once

#include "app/page.h"

// The page state of the main window.
struct PageState {
    Page activePage = Page::None;
    bool basicPageInitialised = false;
};

// What building a page involves, in this order.
struct PageBuildPlan {
    bool build = false;              // false: the page is already shown, nothing happens
    Page tearDown = Page::None;      // the page whose child controls are destroyed
    bool removeRecorderHook = false; // a running macro recording ends with the Advanced page
    // Basic page, first build in the run: read the mouse's settings back (connection exchange) and,
    // after a first run of config.bin, store and save the default button labels.
    bool firstBuildExchange = false;
    bool loadMacroPage = false; // the Advanced page fills its macro controls on every build
    bool operator==(const PageBuildPlan&) const = default;
};

// Builds `target`: updates the state and returns the steps to carry out.
PageBuildPlan buildPage(PageState& state, Page target);

// Draws the shown page again from scratch, after a skin change or after Cancel when the window is
// opened again: its controls are torn down and the page is built anew. Nothing with no page shown.
PageBuildPlan rebuildShownPage(PageState& state);

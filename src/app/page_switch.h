#pragma once

#include "app/page.h"

// The page state of the main window.
struct PageState {
    Page activePage = Page::None;
    bool basicPageInitialised = false;
};

// What building a page involves, in this order.
struct PageBuildPlan {
    bool build = false;         // false: the page is already shown, nothing happens
    Page tearDown = Page::None; // the page that is hidden
    bool pageChanges = false;   // the hidden page gives way to the other one (not drawn again)
    // Basic page, first build in the run: read the mouse's settings back (connection exchange) and,
    // after a first run of config.bin, store and save the default button labels.
    bool firstBuildExchange = false;
    bool operator==(const PageBuildPlan&) const = default;
};

// Builds `target`: updates the state and returns the steps to carry out.
PageBuildPlan buildPage(PageState& state, Page target);

// Draws the shown page again from scratch, after a skin change or after Cancel when the window is
// opened again: it is hidden and built anew. Nothing with no page shown.
PageBuildPlan rebuildShownPage(PageState& state);

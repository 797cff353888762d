#pragma once

#include "app/page.h"

// The page state of the main window.
struct PageState {
    Page activePage = Page::None;
    bool basicPageInitialised = false;
};

// What the main window lends the building of a page, one step each.
class PageBuildPorts {
public:
    virtual ~PageBuildPorts() = default;
    // Hides `page` and lets its controls go; `pageChanges` when the other page takes its place (the
    // hidden one is not drawn again), not when the page is built anew.
    virtual void hidePage(Page page, bool pageChanges) = 0;
    // The Basic page's first build in the run: reads the mouse's settings back (connection exchange)
    // and, after a first run of config.bin, stores and saves the default button labels.
    virtual void runFirstBuildSteps() = 0;
    // Draws the page now shown into the canvas and, once the window was opened, shows its controls.
    virtual void showBuiltPage() = 0;
};

// Builds `target` in place of the other page: hides that one, takes the first-build steps when due,
// shows `target`. Nothing when `target` is already shown.
void buildPage(PageState& state, Page target, PageBuildPorts& ports);

// Draws the shown page again from scratch, after a skin change or after Cancel when the window is
// opened again: it is hidden and built anew. Nothing with no page shown.
void rebuildShownPage(PageState& state, PageBuildPorts& ports);

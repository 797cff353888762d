#pragma once

#include <cstdint>

#include "app/page.h"
#include "common/geometry.h"

// What a left click on the main window's frame makes the program do; everything else on the shown
// page is the page's own (its click()).
enum class ClickAction : uint8_t {
    None,               // the click is used up and nothing happens
    DragWindow,         // a click on no hot area: move the window with the pointer
    Ok,                 // apply, then hide (see commit_service.h)
    Apply,              // apply, window stays
    Cancel,             // back to the applied state, then hide
    OpenSkinsDialog,    // run the skins dialog
    OpenProfilesDialog, // run the Profiles dialog
    HideWindow,         // the minimise button
    Exit,               // the close button ends the program
    ShowBasicPage,      // build the Basic Settings page
    ShowAdvancedPage,   // build the Advanced Settings page
    OpenWebLink,        // open the maker's web address
    ToPage,             // the shown page takes the click; where it has no area, the window is dragged
};

// What the main window knows at the moment of a click.
struct ClickContext {
    Page activePage = Page::None;
    bool deviceConnected = false;
};

struct ClickDecision {
    ClickAction action = ClickAction::None;
    // The shown page first closes the lists the click is not in or on, as a click on the page does.
    bool closePageLists = false;

    bool operator==(const ClickDecision&) const = default;
};

// Decides what a left click at p does. The frame's buttons come first (OK, Apply, Skins, Profiles, Minimise,
// Close, the page buttons, Cancel, the web link), then the shown page. A click on no hot area
// drags the window. A click on a button never drags: after OK or Cancel hid the window, or after the
// skins dialog ended, a drag would make the window follow the pointer with no button held.
ClickDecision dispatchClick(const ClickContext& context, Point p);

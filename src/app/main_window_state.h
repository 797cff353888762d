#pragma once

#include "app/page_switch.h"

// The main window's life-cycle flags around its pages.
struct MainWindowState {
    PageState pages;
    // Set by Cancel; the next opening from the notification icon rebuilds the shown page from the
    // reverted record.
    bool revertPending = false;
    // The dialog template is visible, so its first non-client paints hide it again.
    int startupHideCount = 2;

    // True while start-up hides are left; uses one up.
    bool takeStartupHide();
};

// What a mouse message on the notification icon asks for.
enum class TrayRequest { None, OpenWindow, OpenMenu, BalloonClicked, BalloonGone };

// Releasing or double-clicking the left button opens the window, releasing the right button opens
// the menu; a click on the icon's balloon and the balloon's going away (timed out or hidden) are
// told apart; moves, button presses and everything else do nothing.
TrayRequest trayRequest(unsigned mouseMessage);

// What opening the window from the icon does before showing it, in this order.
struct OpenWindowSteps {
    // The mouse is absent: only the "mouse not detected" balloon; the window stays hidden.
    bool mouseAbsentNotice = false;
    // Cancel was used: the shown page is built again from the reverted record (nothing when no page
    // was built).
    bool rebuildShownPage = false;
    // The Basic Settings page was never built (the mouse was absent at start-up).
    bool buildBasicPage = false;

    bool operator==(const OpenWindowSteps&) const = default;
};

// Decides the steps and consumes a pending revert.
OpenWindowSteps planOpenWindow(MainWindowState& state, bool deviceConnected);

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

// What the main window lends its opening from the notification icon, one step each.
class OpenWindowPorts {
public:
    virtual ~OpenWindowPorts() = default;
    // The "mouse not detected" balloon.
    virtual void noticeMouseAbsent() = 0;
    // The common controls at the first opening, and a canvas for the page's picture.
    virtual void prepareCanvas() = 0;
    // Builds the shown page again from the record.
    virtual void rebuildShownPage() = 0;
    virtual void buildBasicPage() = 0;
    // Gives a page built while the window was hidden what it lacks: its controls at the first
    // opening, its picture in a new canvas.
    virtual void completeShownPage() = 0;
    // Shows the window in front.
    virtual void showWindow() = 0;
};

// Opens the window: with the mouse absent only the balloon, and the window stays hidden; else the
// canvas, then the page (built again from the reverted record after Cancel, built for the first time
// when the mouse was absent at start-up, or completed), then the window. Consumes a pending revert
// and the start-up hides left.
void openWindow(MainWindowState& state, bool deviceConnected, OpenWindowPorts& ports);

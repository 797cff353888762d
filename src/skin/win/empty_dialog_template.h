#pragma once

#include <windows.h>

// The in-memory template the skinned dialogs are created from: a pop-up window with a thin border,
// no caption, no menu and no controls. Its nominal size is replaced by the size of the dialog's
// background image when the dialog initialises.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header{WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | DS_SETFOREGROUND, 0, 0, 0, 0, 200, 150};
    WORD menu = 0;        // no menu
    WORD windowClass = 0; // the system dialog class
    WORD title = 0;       // empty title
};

#pragma once

#include <windows.h>

#include <windowsx.h>

#include "common/geometry.h"

// The program's client-pixel rectangle as the Win32 RECT (both keep right and bottom exclusive).
inline RECT toRect(Rect r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A Win32 RECT as the program's rectangle.
inline Rect rectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The client point of a mouse message's lParam; signed, so points left of or above the window
// (while the button is held) stay negative.
inline Point pointOf(LPARAM position) {
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

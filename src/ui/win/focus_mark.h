#pragma once

#include <windows.h>

#include <optional>

#include "common/geometry.h"

// The keyboard focus mark of a skinned window: a dotted 1-pixel line in the skin's text colour, a
// little outside the focused area so that it leaves what the skin draws inside it as it is. It is
// drawn straight onto the window over its canvas, and taken away by copying the canvas back.
class FocusMark {
public:
    // Draws the mark around `focused` (none for an empty rectangle), taking it away from where it was.
    void moveTo(HWND window, HBITMAP canvas, Rect focused, COLORREF colour);
    // Draws the mark again where it is, after the window was painted over it.
    void redraw(HDC dc, COLORREF colour) const;
    // The window was painted afresh without the mark.
    void forget() { drawn_.reset(); }

private:
    std::optional<Rect> drawn_;
};

#pragma once

#include <windows.h>

#include "skin/win/mem_dc.h"

// One change to a skinned window outside WM_PAINT (a hover, a page build): everything drawn into
// dc() lands in the window's canvas, and the whole client area is copied to the window once when
// the painter goes out of scope.
class CanvasPainter {
public:
    CanvasPainter(HWND window, HBITMAP canvas);
    HDC dc() const { return surface_.dc(); }

private:
    WindowDc window_;
    CMemDC surface_;
};

#pragma once

// Off-screen drawing: bitmaps to draw into, copies of them to a DC, and memory surfaces that reach
// the screen in one copy.

#include <windows.h>

#include "ui/win/scoped_handle.h"

// A 32-bit top-down DIB section of the given size; `bits` receives its pixels (BGRA, row 0 first).
// nullptr if it could not be created. The caller owns the bitmap.
HBITMAP createTopDownDib(int width, int height, void** bits);

// Copies `bitmap` 1:1 into `area` of `target` through a memory DC. Does nothing without a bitmap.
void copyBitmapToDc(HDC target, HBITMAP bitmap, const RECT& area);

// An off-screen drawing surface over a rectangle of a target DC. Everything drawn into it reaches
// the target in one copy of the whole rectangle when the surface is released, so the screen never
// shows a half-composed picture. On a printer DC it draws straight onto the target instead.
class CMemDC {
public:
    // A surface with a bitmap of its own. An empty rectangle (all four values 0) takes the target's
    // clip box.
    CMemDC(HDC target, RECT area = {});
    // A surface that draws into `canvas`, a window's background bitmap: what is drawn stays in the
    // canvas and is copied to the target on release as well.
    CMemDC(HDC target, HBITMAP canvas, RECT area);
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    ~CMemDC();

    // The DC to draw into, in the target's coordinates.
    HDC dc() const { return drawsToMemory_ ? memory_.get() : target_; }
    const RECT& area() const { return area_; }

private:
    void prepare(HBITMAP bitmap);

    HDC target_;
    RECT area_;
    bool drawsToMemory_;
    UniqueMemoryDc memory_;
    UniqueBitmap ownBitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

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

#pragma once

#include <windows.h>

#include "ui/win/scoped_handle.h"

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

// The DC of a window's client area for one scope (GetDC / ReleaseDC).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

#pragma once

#include <windows.h>

#include <string>

#include "skin/win/png_image.h"
#include "ui/win/scoped_handle.h"

// The main window's picture: the skin's main image with the shown page drawn over it, and the
// decoded skin images the page is drawn from. It exists only while the window is shown: made from
// the main image when the window opens and let go when it hides, so that the program holds no
// pixels while it waits in the notification area.
class SkinCanvas {
public:
    // The main image the canvas is made from: the one chosen at start-up, which also gave the
    // window its size. Empty: there is none, and no canvas is made.
    void setMainImage(std::wstring path) { mainImagePath_ = std::move(path); }

    // Makes the canvas from the main image unless it is there. True when it was made now, so the
    // page has to be drawn into it; false when it was there already or the image cannot be decoded.
    bool make();
    // Lets the canvas and the decoded images go.
    void release();

    // The canvas bitmap; nullptr while there is none.
    HBITMAP bitmap() const { return bitmap_.get(); }
    PngCache* images() { return &images_; }

private:
    std::wstring mainImagePath_;
    UniqueBitmap bitmap_;
    PngCache images_;
};

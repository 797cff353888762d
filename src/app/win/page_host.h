#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/page_update.h"
#include "lang/language.h"
#include "skin/dialog_look.h"

// What a page view needs of the main window that shows it: the window and its font, the canvas to
// draw into, and its notices.
class PageHost {
public:
    virtual HWND window() const = 0;
    virtual HINSTANCE instance() const = 0;
    virtual HFONT normalFont() const = 0;
    virtual const UiTexts& texts() const = 0;
    // The skin, font, text colour and captions the program's skinned dialogs are drawn with.
    virtual DialogLook dialogLook() const = 0;
    // Draws into the canvas and copies the whole client area to the window once.
    virtual void drawIntoCanvas(const std::vector<PaintElement>& elements) = 0;
    // Draws the whole shown page again from the record, leaving its controls as they are.
    virtual void repaintPage() = 0;
    // Shows a notice over the main window, in the window's language.
    virtual void showNotice(const Notice& notice) = 0;

protected:
    ~PageHost() = default;
};

// Carries out the drawing and the message of a model's update; the controls are the view's.
void showPageUpdate(PageHost& host, const PageUpdate& update);

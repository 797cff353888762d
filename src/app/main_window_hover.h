#pragma once

#include <vector>

#include "app/hot_area.h"
#include "app/page.h"
#include "skin/hover_tracker.h"

// One button to draw again into the canvas, normal or over (see buttonPaint in page_paint.h).
struct ButtonRedraw {
    HotAreaEntry button;
    bool over = false;
};

// What the main window does after a pointer event.
struct MainWindowHoverUpdate {
    bool requestHoverNotice = false; // TrackMouseEvent with hover and leave, 10 ms
    std::vector<ButtonRedraw> redraws;
    bool copyToWindow = false; // copy the whole client area once, after the redraws
};

// The buttons of the main window that light up under the pointer: those of the frame and of the
// shown page whose kind says so (area_kind.h). Leaving the window changes nothing; the next move
// inside it puts lit buttons back to normal.
class MainWindowHover {
public:
    MainWindowHover() { showPage(Page::None); }

    // The buttons of `page`, none lit: called whenever a page has been drawn afresh.
    void showPage(Page page);

    MainWindowHoverUpdate onMouseMove(Point p);
    MainWindowHoverUpdate onMouseHover(Point p);

private:
    MainWindowHoverUpdate translate(const HoverUpdate& update) const;

    std::vector<HotAreaEntry> buttons_;
    HoverTracker tracker_{{}};
};

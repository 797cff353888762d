#include "app/main_window_hover.h"

#include "app/area_kind.h"

namespace {

std::vector<HotAreaEntry> hoverButtons(Page page) {
    std::vector<HotAreaEntry> buttons;
    for (const ShownArea& shown : shownAreas(page)) {
        if (shown.kind->lightsUnderPointer) {
            buttons.push_back(shown.entry);
        }
    }
    return buttons;
}

} // namespace

void MainWindowHover::showPage(Page page) {
    buttons_ = hoverButtons(page);
    std::vector<Rect> rects;
    for (const HotAreaEntry& button : buttons_) {
        rects.push_back(button.rect);
    }
    tracker_ = HoverTracker(std::move(rects));
}

MainWindowHoverUpdate MainWindowHover::translate(const HoverUpdate& update) const {
    MainWindowHoverUpdate result;
    result.requestHoverNotice = update.requestHoverNotice;
    for (const HoverRedraw& redraw : update.redraws) {
        result.redraws.push_back({buttons_[redraw.item], redraw.over});
    }
    result.copyToWindow = update.copyToWindow();
    return result;
}

MainWindowHoverUpdate MainWindowHover::onMouseMove(Point p) {
    return translate(tracker_.onMouseMove(p));
}

MainWindowHoverUpdate MainWindowHover::onMouseHover(Point p) {
    return translate(tracker_.onMouseHover(p));
}

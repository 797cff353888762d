#include "app/main_window_hover.h"

#include "assign/assignment_group_model.h"

namespace {

std::vector<HotAreaEntry> hoverButtons(Page page) {
    std::vector<HotAreaEntry> buttons;
    const auto add = [&buttons](HotArea area, uint8_t index = 0) {
        buttons.push_back({area, hotAreaRect(area, index), index});
    };
    for (HotArea area :
         {HotArea::Ok, HotArea::Apply, HotArea::Cancel, HotArea::Skins, HotArea::Profiles, HotArea::Close,
          HotArea::Minimise, HotArea::BasicPageButton, HotArea::AdvancedPageButton}) {
        add(area);
    }
    if (page == Page::Basic) {
        add(HotArea::KeyDefault);
        for (uint8_t button = 0; button < kShownButtonCount; ++button) {
            add(HotArea::AssignmentHeader, button);
        }
    } else if (page == Page::Advanced) {
        for (HotArea area :
             {HotArea::PointerDefault, HotArea::NewMacro, HotArea::DeleteMacro, HotArea::ConfirmMacro}) {
            add(area);
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

#include "app/click_dispatch.h"

#include <optional>

#include "app/frame_areas.h"
#include "app/hot_area.h"

namespace {

ClickDecision act(ClickAction action, bool closePageLists = false) {
    return {action, closePageLists};
}

// The frame's buttons, as their rows say (frame_areas.cpp).
std::optional<ClickDecision> frameDecision(const ClickContext& context, Point p) {
    const std::optional<HotAreaEntry> hit = clickTargetAt(commonFrameAreas(), p);
    if (!hit) {
        return std::nullopt;
    }
    const FrameArea* area = frameAreaOf(hit->area);
    if (area == nullptr) {
        return act(ClickAction::None, true);
    }
    // Nothing is applied, and the window stays open, without the mouse; the shown page's button
    // builds nothing.
    const bool idle = (area->needsMouse && !context.deviceConnected) ||
                      (area->page != Page::None && area->page == context.activePage);
    return act(idle ? ClickAction::None : area->action, area->closesPageLists);
}

} // namespace

ClickDecision dispatchClick(const ClickContext& context, Point p) {
    if (std::optional<ClickDecision> frame = frameDecision(context, p)) {
        return *frame;
    }
    return act(context.activePage == Page::None ? ClickAction::DragWindow : ClickAction::ToPage);
}

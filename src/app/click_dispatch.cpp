#include "app/click_dispatch.h"

#include <optional>

#include "app/hot_area.h"

namespace {

ClickDecision act(ClickAction action, bool closePageLists = false) {
    return {action, closePageLists};
}

// The frame's buttons. Those that hide the window or change the page stop here; OK, Apply, Skins,
// Profiles and Cancel also close the page's open lists, as any click elsewhere does.
std::optional<ClickDecision> frameDecision(const ClickContext& context, Point p) {
    const std::optional<HotAreaEntry> hit = clickTargetAt(commonFrameAreas(), p);
    if (!hit) {
        return std::nullopt;
    }
    switch (hit->area) {
    case HotArea::Minimise:
        return act(ClickAction::HideWindow);
    case HotArea::Close:
        return act(ClickAction::Exit);
    case HotArea::BasicPageButton:
        return act(context.activePage == Page::Basic ? ClickAction::None : ClickAction::ShowBasicPage);
    case HotArea::AdvancedPageButton:
        return act(context.activePage == Page::Advanced ? ClickAction::None : ClickAction::ShowAdvancedPage);
    case HotArea::WebLink:
        return act(ClickAction::OpenWebLink);
    case HotArea::Ok:
        // Nothing is applied, and the window stays open, without the mouse.
        return act(context.deviceConnected ? ClickAction::Ok : ClickAction::None, true);
    case HotArea::Apply:
        return act(context.deviceConnected ? ClickAction::Apply : ClickAction::None, true);
    case HotArea::Skins:
        return act(ClickAction::OpenSkinsDialog, true);
    case HotArea::Profiles:
        return act(ClickAction::OpenProfilesDialog, true);
    case HotArea::Cancel:
        return act(ClickAction::Cancel, true);
    default:
        return act(ClickAction::None, true);
    }
}

} // namespace

ClickDecision dispatchClick(const ClickContext& context, Point p) {
    if (std::optional<ClickDecision> frame = frameDecision(context, p)) {
        return *frame;
    }
    return act(context.activePage == Page::None ? ClickAction::DragWindow : ClickAction::ToPage);
}

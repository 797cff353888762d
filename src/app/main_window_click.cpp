#include "app/main_window_click.h"

#include <utility>

MainWindowClick routeMainWindowClick(const ClickContext& context, PageClickModel* page, Point p) {
    const ClickDecision frame = dispatchClick(context, p);
    if (page != nullptr && frame.closePageLists) {
        page->closeListsAt(p);
    }
    if (frame.action != ClickAction::ToPage) {
        return {frame.action, std::nullopt};
    }
    std::optional<PageUpdate> update = page != nullptr ? page->click(p) : std::nullopt;
    if (!update) {
        return {ClickAction::DragWindow, std::nullopt};
    }
    return {ClickAction::None, std::move(update)};
}

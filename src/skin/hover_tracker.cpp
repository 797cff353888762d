#include "skin/hover_tracker.h"

#include <utility>

std::optional<std::size_t> pickRect(std::span<const Rect> rects, Point p) {
    std::optional<std::size_t> picked;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (!rects[i].contains(p)) {
            continue;
        }
        if (!picked) {
            picked = i;
            continue;
        }
        const Rect& current = rects[*picked];
        const bool rightNeighbour = rects[i].top == current.top && rects[i].left > current.left;
        if (rightNeighbour) {
            picked = i;
        }
    }
    return picked;
}

HoverTracker::HoverTracker(std::vector<Rect> items) : items_(std::move(items)), lit_(items_.size(), false) {}

std::optional<std::size_t> HoverTracker::itemAt(Point p) const {
    return pickRect(items_, p);
}

HoverUpdate HoverTracker::clearAll(std::optional<std::size_t> except) {
    HoverUpdate update;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (lit_[i] && i != except) {
            lit_[i] = false;
            update.redraws.push_back({i, false});
        }
    }
    return update;
}

HoverUpdate HoverTracker::onMouseMove(Point p) {
    if (itemAt(p)) {
        HoverUpdate update;
        update.requestHoverNotice = true;
        return update;
    }
    return clearAll(std::nullopt);
}

HoverUpdate HoverTracker::onMouseHover(Point p) {
    const std::optional<std::size_t> item = itemAt(p);
    if (!item) {
        return clearAll(std::nullopt);
    }
    HoverUpdate update = clearAll(item);
    lit_[*item] = true;
    update.redraws.push_back({*item, true});
    return update;
}

void HoverTracker::reset() {
    lit_.assign(items_.size(), false);
}

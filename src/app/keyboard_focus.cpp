#include "app/keyboard_focus.h"

#include <algorithm>

#include "app/frame_areas.h"

namespace {

Rect unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

std::vector<FocusStop> areaFocusStops(std::span<const AreaKind> kinds, std::span<const HotAreaEntry> layout) {
    std::vector<FocusStop> stops;
    for (const AreaKind& kind : kinds) {
        for (const HotAreaEntry& entry : layout) {
            // The positions of a scale past its first share the stop of their index.
            if (entry.area == kind.area && entry.subIndex == 0) {
                const AreaStops& rule = kind.stops;
                stops.push_back(
                    {rule.placeOf(entry.index), kind.area, entry.index, rule.role, rule.nameOf(entry.index)});
            }
        }
    }
    std::ranges::stable_sort(stops, {}, &FocusStop::place);
    return stops;
}

std::span<const FocusStop> frameFocusOrder() {
    static const std::vector<FocusStop> stops = areaFocusStops(frameAreaKinds(), commonFrameAreas());
    return stops;
}

void KeyboardFocus::showPage(std::span<const FocusStop> pageStops) {
    const std::optional<FocusStop> before = focused();
    const std::span<const FocusStop> frame = frameFocusOrder();
    order_.assign(frame.begin(), frame.end());
    order_.insert(order_.end(), pageStops.begin(), pageStops.end());
    std::stable_sort(order_.begin(), order_.end(),
                     [](const FocusStop& a, const FocusStop& b) { return a.place < b.place; });
    std::optional<std::size_t> kept;
    if (before) {
        const auto found = std::find(order_.begin(), order_.end(), *before);
        if (found != order_.end()) {
            kept = static_cast<std::size_t>(found - order_.begin());
        }
    }
    ring_.reset(order_.size(), kept);
}

FocusAction KeyboardFocus::key(FocusKey key) {
    using Kind = FocusAction::Kind;
    if (key == FocusKey::CtrlTab) {
        return {Kind::SwitchPage, {}, 0};
    }
    if (key == FocusKey::Tab || key == FocusKey::ShiftTab) {
        return ring_.move(key == FocusKey::Tab) ? FocusAction{Kind::MoveMark, {}, 0} : FocusAction{};
    }
    const std::optional<FocusStop> focusedStop = focused();
    if (!focusedStop || focusedStop->control != 0) {
        return {};
    }
    const FocusStop& stop = *focusedStop;
    if (stop.role == FocusRole::Slider) {
        switch (key) {
        case FocusKey::Right:
        case FocusKey::Up:
            return {Kind::StepScale, {}, 1};
        case FocusKey::Left:
        case FocusKey::Down:
            return {Kind::StepScale, {}, -1};
        default:
            return {};
        }
    }
    if (key != FocusKey::Space) {
        return {};
    }
    const Rect rect = hotAreaRect(stop.area, stop.index);
    return {Kind::Activate, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, 0};
}

std::optional<FocusStop> KeyboardFocus::focused() const {
    const std::optional<std::size_t> index = ring_.focused();
    if (!index) {
        return std::nullopt;
    }
    return order_[*index];
}

bool KeyboardFocus::focusAt(std::size_t index) {
    return ring_.focusAt(index, true);
}

void KeyboardFocus::clickedAt(Point p) {
    for (const std::span<const HotAreaEntry> table :
         {commonFrameAreas(), basicPageAreas(), advancedPageAreas()}) {
        const std::optional<HotAreaEntry> hit = clickTargetAt(table, p);
        for (std::size_t i = 0; hit && i < order_.size(); ++i) {
            if (order_[i].covers(*hit)) {
                ring_.focusAt(i, false);
                return;
            }
        }
    }
}

void KeyboardFocus::controlFocused(int control) {
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (control != 0 && order_[i].control == control) {
            ring_.focusAt(i, false);
            return;
        }
    }
}

Rect KeyboardFocus::focusedRect() const {
    const std::optional<FocusStop> stop = focused();
    return stop ? focusStopRect(*stop) : Rect{};
}

Rect focusStopRect(const FocusStop& stop) {
    if (stop.control != 0) {
        return stop.controlRect;
    }
    std::optional<Rect> rect;
    for (const std::span<const HotAreaEntry> table :
         {commonFrameAreas(), basicPageAreas(), advancedPageAreas()}) {
        for (const HotAreaEntry& entry : table) {
            if (stop.covers(entry) && isClickTarget(entry.area)) {
                rect = rect ? unite(*rect, entry.rect) : entry.rect;
            }
        }
    }
    return rect.value_or(Rect{});
}

#include "app/keyboard_focus.h"

#include <algorithm>

namespace {

// Reading order: the title bar's buttons, the page tabs, the page (places 100 to 899), then the web
// address and the buttons at the foot.
constexpr FocusStop kFrameStops[] = {
    {5, HotArea::Profiles, 0, FocusRole::Button, TextKey::Profiles},
    {10, HotArea::Skins, 0, FocusRole::Button, std::nullopt},
    {20, HotArea::Minimise, 0, FocusRole::Button, std::nullopt},
    {30, HotArea::Close, 0, FocusRole::Button, std::nullopt},
    {40, HotArea::BasicPageButton, 0, FocusRole::PageTab, TextKey::BasicSettings},
    {50, HotArea::AdvancedPageButton, 0, FocusRole::PageTab, TextKey::AdvancedSettings},
    {900, HotArea::WebLink, 0, FocusRole::Link, TextKey::MakerWebAddress},
    {910, HotArea::Ok, 0, FocusRole::Button, TextKey::Ok},
    {920, HotArea::Apply, 0, FocusRole::Button, TextKey::Apply},
    {930, HotArea::Cancel, 0, FocusRole::Button, TextKey::Cancel},
};

Rect unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

std::span<const FocusStop> frameFocusOrder() {
    return kFrameStops;
}

void KeyboardFocus::showPage(std::span<const FocusStop> pageStops) {
    const std::optional<FocusStop> before = focused();
    order_.assign(std::begin(kFrameStops), std::end(kFrameStops));
    order_.insert(order_.end(), pageStops.begin(), pageStops.end());
    std::stable_sort(order_.begin(), order_.end(),
                     [](const FocusStop& a, const FocusStop& b) { return a.place < b.place; });
    focused_.reset();
    if (before) {
        const auto kept = std::find(order_.begin(), order_.end(), *before);
        if (kept != order_.end()) {
            focused_ = static_cast<std::size_t>(kept - order_.begin());
        }
    }
}

FocusAction KeyboardFocus::key(FocusKey key) {
    using Kind = FocusAction::Kind;
    if (key == FocusKey::CtrlTab) {
        return {Kind::SwitchPage, {}, 0};
    }
    if (order_.empty()) {
        return {};
    }
    const std::size_t count = order_.size();
    if (key == FocusKey::Tab) {
        focused_ = focused_ ? (*focused_ + 1) % count : 0;
        return {Kind::MoveMark, {}, 0};
    }
    if (key == FocusKey::ShiftTab) {
        focused_ = focused_ ? (*focused_ + count - 1) % count : count - 1;
        return {Kind::MoveMark, {}, 0};
    }
    if (!focused_) {
        return {};
    }
    const FocusStop& stop = order_[*focused_];
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
    if (!focused_) {
        return std::nullopt;
    }
    return order_[*focused_];
}

bool KeyboardFocus::focusAt(std::size_t index) {
    if (index >= order_.size()) {
        return false;
    }
    focused_ = index;
    return true;
}

Rect KeyboardFocus::focusedRect() const {
    const std::optional<FocusStop> stop = focused();
    return stop ? focusStopRect(*stop) : Rect{};
}

Rect focusStopRect(const FocusStop& stop) {
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

#include "common/dialog_focus.h"

#include <utility>

#include "common/dialog_layout.h"

std::vector<DialogStop> withOkAndCancel(std::vector<DialogStop> content) {
    content.push_back({dialog_layout::Ok, FocusRole::Button, 0});
    content.push_back({dialog_layout::Cancel, FocusRole::Button, 0});
    return content;
}

DialogFocus::DialogFocus(std::vector<DialogStop> order) : order_(std::move(order)) {
    ring_.reset(order_.size(), std::nullopt);
}

DialogFocusAction DialogFocus::key(FocusKey key) {
    using Kind = DialogFocusAction::Kind;
    if (key == FocusKey::Tab || key == FocusKey::ShiftTab) {
        return ring_.move(key == FocusKey::Tab) ? DialogFocusAction{Kind::MoveMark, {}} : DialogFocusAction{};
    }
    const std::optional<DialogStop> stop = focused();
    if (key != FocusKey::Space || !stop || stop->takesOwnKeys()) {
        return {};
    }
    return {Kind::Activate,
            {(stop->area.left + stop->area.right) / 2, (stop->area.top + stop->area.bottom) / 2}};
}

void DialogFocus::clickedAt(Point p) {
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (order_[i].area.contains(p)) {
            ring_.focusAt(i, false);
            return;
        }
    }
}

void DialogFocus::controlFocused(int control) {
    for (std::size_t i = 0; control != 0 && i < order_.size(); ++i) {
        if (order_[i].control == control && order_[i].takesOwnKeys()) {
            ring_.focusAt(i, false);
            return;
        }
    }
}

std::optional<DialogStop> DialogFocus::focused() const {
    const std::optional<std::size_t> index = ring_.focused();
    return index ? std::optional<DialogStop>(order_[*index]) : std::nullopt;
}

Rect DialogFocus::markRect() const {
    return ring_.markShown() ? order_[*ring_.focused()].area : Rect{};
}

#include "assign/dialog_drop_down.h"

#include <utility>

DialogDropDown::DialogDropDown(DropDownLayout layout, std::vector<std::wstring> items,
                               std::wstring initialText)
    : layout_(layout), items_(std::move(items)), text_(std::move(initialText)) {}

DropDownClick DialogDropDown::click(Point p) {
    if (layout_.clickArea.contains(p)) {
        open_ = !open_;
        return open_ ? DropDownClick::Opened : DropDownClick::Closed;
    }
    if (open_ && !layout_.list.contains(p)) {
        open_ = false;
        return DropDownClick::Closed;
    }
    return DropDownClick::None;
}

bool DialogDropDown::choose(std::optional<std::size_t> row) {
    if (!open_ || !row || *row >= items_.size()) {
        return false;
    }
    position_ = *row;
    text_ = items_[*row];
    open_ = false;
    return true;
}

int dropDownWheelLines(int wheelDelta, bool listOpen) {
    if (!listOpen) {
        return 0;
    }
    constexpr int kLinesPerNotch = 3;
    return wheelDelta > 0 ? -kLinesPerNotch : kLinesPerNotch;
}

DialogStop dropDownStop(const DropDownLayout& layout) {
    return {layout.clickArea, FocusRole::ComboBox, layout.displayId};
}

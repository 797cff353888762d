#include "assign/assignment_group_model.h"

#include "assign/assignment_labels.h"
#include "assign/button_function.h"
#include "assign/default_button_labels.h"

namespace {

constexpr int kDpiSubListWidth = 60;
constexpr int kDpiSubListHeight = 80;

} // namespace

std::optional<FunctionDialog> dialogForItem(std::size_t item) {
    switch (item) {
    case kWindowsFunction:
        return FunctionDialog::WindowsKey;
    case kMultimedia:
        return FunctionDialog::MultimediaKey;
    case kFireKey:
        return FunctionDialog::FireKey;
    case kSingleKey:
        return FunctionDialog::SingleKey;
    case kComboKey:
        return FunctionDialog::ComboKey;
    case kMacroKey:
        return FunctionDialog::MacroKey;
    default:
        return std::nullopt;
    }
}

Rect dpiSubListRect(Rect list, Rect item) {
    const int left = list.left + item.right;
    const int top = list.top + item.top;
    return {left, top, left + kDpiSubListWidth, top + kDpiSubListHeight};
}

AssignmentGroupModel::AssignmentGroupModel(DeviceConfigRecord& record, AppSettings& settings,
                                           const UiTexts& texts)
    : record_(record), settings_(settings), texts_(texts) {}

std::vector<std::wstring> AssignmentGroupModel::listItems() const {
    std::vector<std::wstring> items;
    for (std::size_t item = 0; item < kFunctionItemCount; ++item) {
        items.push_back(functionItemText(texts_, item));
    }
    return items;
}

KeyMode AssignmentGroupModel::keyMode() const {
    return activeKeyMode(record_);
}

const std::wstring& AssignmentGroupModel::label(std::size_t slot) const {
    static const std::wstring kNoLabel;
    const ButtonLabels& labels = settings_.labels(keyMode());
    return slot < labels.size() ? labels[slot] : kNoLabel;
}

std::optional<Notice> AssignmentGroupModel::toggleAssignmentList(std::size_t slot) {
    if (slot >= kShownButtonCount) {
        return std::nullopt;
    }
    const bool wasOpen = openList_ == slot;
    closeLists();
    if (wasOpen) {
        return std::nullopt;
    }
    if (lastLeftClick(slot)) {
        return warningNotice(texts_[TextKey::LeftKeyRequired]);
    }
    openList_ = slot;
    return std::nullopt;
}

void AssignmentGroupModel::closeLists() {
    openList_.reset();
    dpiSubListOpen_ = false;
}

void AssignmentGroupModel::onAssignmentListHover(std::size_t slot, std::optional<std::size_t> item) {
    if (openList_ != slot) {
        return;
    }
    dpiSubListOpen_ = item == kDpiSwitchItem;
}

FunctionPick AssignmentGroupModel::pickFunction(std::size_t slot, std::optional<std::size_t> item) {
    if (slot >= kShownButtonCount || !item || *item == kDpiSwitchItem || *item >= kFunctionItemCount) {
        return {};
    }
    if (const std::optional<FunctionDialog> dialog = dialogForItem(*item)) {
        return {false, DialogRequest{*dialog, slot}};
    }
    closeLists();
    store(slot, PlainFunction{static_cast<uint8_t>(*item)}, functionItemText(texts_, *item));
    return {true, std::nullopt};
}

bool AssignmentGroupModel::assign(std::size_t slot, const std::optional<FunctionChoice>& choice) {
    closeLists();
    if (slot >= kShownButtonCount || !choice) {
        return false;
    }
    store(slot, choice->function, choice->label);
    return true;
}

bool AssignmentGroupModel::onDpiSubListChoice(std::optional<std::size_t> row) {
    if (!row || *row >= kDpiSwitchItemCount || !openList_) {
        return false;
    }
    const std::size_t slot = *openList_;
    const auto choice = static_cast<uint8_t>(*row + 1);
    closeLists();
    store(slot, DpiSwitchFunction{choice}, dpiSwitchLabel(choice));
    return true;
}

void AssignmentGroupModel::selectKeyMode(KeyMode mode) {
    record_.keyMode = mode == KeyMode::ModeA ? 0 : 1;
}

void AssignmentGroupModel::restoreDefaultAssignments() {
    ::restoreDefaultAssignments(record_);
    storeDefaultButtonLabels(settings_, texts_);
}

bool AssignmentGroupModel::lastLeftClick(std::size_t slot) const {
    const SlotBytes& functions = assignmentSetOf(record_, keyMode()).functionIndex;
    if (functions[slot] != kLeftClick) {
        return false;
    }
    for (std::size_t other = 0; other < functions.size(); ++other) {
        if (other != slot && functions[other] == kLeftClick) {
            return false;
        }
    }
    return true;
}

void AssignmentGroupModel::store(std::size_t slot, const ButtonFunction& function, std::wstring label) {
    WriteButtonFunction(record_, keyMode(), slot, function);
    settings_.labels(keyMode())[slot] = std::move(label);
}

#include "assign/assignment_labels.h"

#include <array>

namespace {

constexpr std::array<std::wstring_view, kDpiSwitchItemCount> kDpiSwitchItems = {L"DPI +", L"DPI -",
                                                                                L"DPI Loop", L"Shift DPI"};

} // namespace

static_assert(static_cast<std::size_t>(TextKey::KeyOff) - static_cast<std::size_t>(TextKey::LeftClick) + 1 ==
              kFunctionItemCount);

std::wstring functionItemText(const UiTexts& texts, std::size_t item) {
    if (item >= kFunctionItemCount) {
        return {};
    }
    return texts[static_cast<TextKey>(static_cast<std::size_t>(TextKey::LeftClick) + item)];
}

std::span<const std::wstring_view> dpiSwitchItems() {
    return kDpiSwitchItems;
}

std::wstring dpiSwitchLabel(uint8_t choice) {
    if (choice < 1 || choice > kDpiSwitchItemCount) {
        return {};
    }
    return std::wstring(kDpiSwitchItems[choice - 1u]);
}

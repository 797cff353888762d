#include "assign/assignment_labels.h"

#include <array>

#include "assign/key_names.h"
#include "assign/overloaded.h"

namespace {

constexpr std::array<std::wstring_view, kDpiSwitchItemCount> kDpiSwitchItems = {L"DPI +", L"DPI -",
                                                                                L"DPI Loop", L"Shift DPI"};

std::wstring withItemText(const UiTexts& texts, std::size_t item, std::wstring_view detail) {
    return functionItemText(texts, item) + L"-" + std::wstring(detail);
}

std::wstring comboDetail(const ComboKeyChoice& choice) {
    std::wstring detail;
    const auto append = [&detail](const std::wstring& name, bool hasCode) {
        if (!hasCode) {
            return;
        }
        if (!detail.empty()) {
            detail += L"+";
        }
        detail += name;
    };
    append(choice.modifierName, ModifierNameToMask(choice.modifierName) != 0);
    append(choice.firstKeyName, KeyNameToCode(choice.firstKeyName) != 0);
    append(choice.secondKeyName, KeyNameToCode(choice.secondKeyName) != 0);
    return detail;
}

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

std::wstring choiceLabel(const UiTexts& texts, const DialogChoice& choice) {
    return std::visit(
        Overloaded{
            [](const WindowsKeyChoice& c) { return c.text; },
            [&](const MultimediaKeyChoice& c) { return withItemText(texts, kMultimedia, c.text); },
            [&](const FireKeyChoice& c) { return withItemText(texts, kFireKey, c.keyName); },
            [&](const SingleKeyChoice& c) { return withItemText(texts, kSingleKey, c.keyName); },
            [&](const ComboKeyChoice& c) { return withItemText(texts, kComboKey, comboDetail(c)); },
            [&](const MacroKeyChoice& c) { return withItemText(texts, kMacroKey, c.macroName); },
        },
        choice);
}

#include "profile/profile_names.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

#include "assign/assignment_labels.h"
#include "assign/consumer_key_dialog_model.h"
#include "assign/key_names.h"
#include "assign/overloaded.h"
#include "macro/macro_event_line.h"
#include "settings/lighting_texts.h"

namespace {

const UiTexts& englishTexts() {
    static const UiTexts texts(Language::English);
    return texts;
}

constexpr std::wstring_view kUnassignedName = L"Unassigned";
constexpr uint32_t kMaxLoopCount = 65535;

const std::vector<std::wstring>& consumerItems(ConsumerKeyDialog dialog) {
    static const std::vector<std::wstring> multimedia =
        consumerKeyItems(ConsumerKeyDialog::Multimedia, englishTexts());
    static const std::vector<std::wstring> windows =
        consumerKeyItems(ConsumerKeyDialog::WindowsFunction, englishTexts());
    return dialog == ConsumerKeyDialog::Multimedia ? multimedia : windows;
}

template <typename List>
std::wstring itemOf(const List& list, std::size_t item) {
    return item < list.size() ? std::wstring(list[item]) : std::wstring{};
}

std::wstring withItem(uint8_t index, std::wstring_view item) {
    return item.empty() ? functionName(index) : functionName(index) + L" " + std::wstring(item);
}

// The rest of `text` after the name of function `index` and a blank; nothing when it does not begin
// so.
std::optional<std::wstring_view> itemAfter(std::wstring_view text, uint8_t index) {
    const std::wstring prefix = functionName(index) + L" ";
    if (!text.starts_with(prefix)) {
        return std::nullopt;
    }
    return text.substr(prefix.size());
}

template <typename Make>
std::optional<ButtonFunction> itemFunction(std::optional<std::size_t> position, Make make) {
    if (!position) {
        return std::nullopt;
    }
    return make(*position);
}

std::vector<std::wstring> lightingNames(std::size_t count, std::wstring (*name)(uint8_t, const UiTexts&)) {
    std::vector<std::wstring> names;
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back(name(static_cast<uint8_t>(i), englishTexts()));
    }
    return names;
}

} // namespace

std::wstring functionName(uint8_t index) {
    if (index == kUnassigned) {
        return std::wstring(kUnassignedName);
    }
    return functionItemText(englishTexts(), index);
}

std::wstring buttonFunctionText(const ButtonFunction& function) {
    const uint8_t index = functionIndexOf(function);
    return std::visit(
        Overloaded{
            [&](const DpiSwitchFunction& f) { return withItem(index, dpiSwitchLabel(f.choice)); },
            [&](const WindowsKeyFunction& f) {
                return withItem(index, itemOf(consumerItems(ConsumerKeyDialog::WindowsFunction), f.item));
            },
            [&](const MultimediaKeyFunction& f) {
                return withItem(index, itemOf(consumerItems(ConsumerKeyDialog::Multimedia), f.item));
            },
            [&](const SingleKeyFunction& f) { return withItem(index, KeyCodeToName(f.keyCode)); },
            [&](const auto&) { return functionName(index); },
        },
        function);
}

bool hasFieldTable(const ButtonFunction& function) {
    return std::holds_alternative<FireKeyFunction>(function) ||
           std::holds_alternative<ComboKeyFunction>(function) ||
           std::holds_alternative<MacroKeyFunction>(function);
}

std::optional<ButtonFunction> buttonFunctionOfText(std::wstring_view text) {
    for (uint8_t index = 0; index <= kUnassigned; ++index) {
        if (text != functionName(index)) {
            continue;
        }
        switch (index) {
        case kSingleKey:
            return SingleKeyFunction{0};
        case kDpiSwitch:
        case kWindowsFunction:
        case kMultimedia:
        case kFireKey:
        case kComboKey:
        case kMacroKey:
            return std::nullopt;
        default:
            return PlainFunction{index};
        }
    }
    if (const auto item = itemAfter(text, kSingleKey)) {
        const uint8_t code = KeyNameToCode(*item);
        return code != 0 ? std::optional<ButtonFunction>(SingleKeyFunction{code}) : std::nullopt;
    }
    if (const auto item = itemAfter(text, kDpiSwitch)) {
        return itemFunction(positionOfName(dpiSwitchItems(), *item), [](std::size_t p) {
            return DpiSwitchFunction{static_cast<uint8_t>(p + kDpiUp)};
        });
    }
    if (const auto item = itemAfter(text, kWindowsFunction)) {
        return itemFunction(positionOfName(consumerItems(ConsumerKeyDialog::WindowsFunction), *item),
                            windowsKeyFunction);
    }
    if (const auto item = itemAfter(text, kMultimedia)) {
        return itemFunction(positionOfName(consumerItems(ConsumerKeyDialog::Multimedia), *item),
                            multimediaKeyFunction);
    }
    return std::nullopt;
}

std::optional<std::size_t> positionOfName(std::span<const std::wstring> names, std::wstring_view name) {
    const auto found = std::ranges::find(names, name);
    return found == names.end() ? std::nullopt
                                : std::optional(static_cast<std::size_t>(found - names.begin()));
}

std::optional<std::size_t> positionOfName(std::span<const std::wstring_view> names, std::wstring_view name) {
    const auto found = std::ranges::find(names, name);
    return found == names.end() ? std::nullopt
                                : std::optional(static_cast<std::size_t>(found - names.begin()));
}

std::span<const std::wstring> lightingModeNames() {
    static const std::vector<std::wstring> names = lightingNames(kLightingNeon + 1, lightingModeName);
    return names;
}

std::span<const std::wstring> lightingEffectNames() {
    constexpr std::size_t kEffectCount = 4;
    static const std::vector<std::wstring> names = lightingNames(kEffectCount, lightingEffectName);
    return names;
}

std::span<const std::wstring> lightingParameterNames(uint8_t mode) {
    const auto listOf = [](uint8_t listMode) {
        std::vector<std::wstring> names;
        for (std::size_t i = 0; i < lightingParameterCount(listMode); ++i) {
            names.push_back(lightingParameterText(listMode, static_cast<uint8_t>(i)));
        }
        return names;
    };
    static const std::array<std::vector<std::wstring>, 3> lists{
        listOf(kLightingStandard), listOf(kLightingRespiration), listOf(kLightingNeon)};
    switch (mode) {
    case kLightingStandard:
        return lists[0];
    case kLightingRespiration:
        return lists[1];
    default:
        return lists[2];
    }
}

bool isLightingEffectOf(uint8_t mode, uint8_t effect) {
    return std::ranges::find(lightingEffectChoices(mode), effect) != lightingEffectChoices(mode).end();
}

std::string colourText(uint8_t red, uint8_t green, uint8_t blue) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", red, green, blue);
    return text;
}

std::optional<ParsedColour> colourOfText(std::string_view text) {
    constexpr std::size_t kLength = 7;
    if (text.size() != kLength || text[0] != '#') {
        return std::nullopt;
    }
    std::array<uint8_t, 3> components{};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const char* first = text.data() + 1 + 2 * i;
        const auto [end, error] = std::from_chars(first, first + 2, components[i], 16);
        if (error != std::errc{} || end != first + 2) {
            return std::nullopt;
        }
    }
    return ParsedColour{components[0], components[1], components[2]};
}

std::optional<uint16_t> plainLoopCount(std::wstring_view text) {
    const uint32_t count = leadingDecimal(text, kMaxLoopCount + 1);
    if (count == 0 || count > kMaxLoopCount || std::to_wstring(count) != text) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(count);
}

#include "macro/macro_event_line.h"

namespace {

std::wstring withoutEvery(std::wstring_view text, std::wstring_view part) {
    std::wstring result;
    while (!text.empty()) {
        const std::size_t found = text.find(part);
        result += text.substr(0, found);
        if (found == std::wstring_view::npos) {
            break;
        }
        text.remove_prefix(found + part.size());
    }
    return result;
}

} // namespace

MacroLineKind classifyMacroLine(std::wstring_view line) {
    if (line.find(kKeyPressSuffix) != std::wstring_view::npos) {
        return MacroLineKind::KeyPress;
    }
    if (line.find(kKeyReleaseSuffix) != std::wstring_view::npos) {
        return MacroLineKind::KeyRelease;
    }
    if (line.find(L"ms") != std::wstring_view::npos) {
        return MacroLineKind::Delay;
    }
    return MacroLineKind::Other;
}

std::wstring keyPressLine(std::wstring_view keyName) {
    return std::wstring(keyName) + std::wstring(kKeyPressSuffix);
}

std::wstring keyReleaseLine(std::wstring_view keyName) {
    return std::wstring(keyName) + std::wstring(kKeyReleaseSuffix);
}

std::wstring delayLine(long long milliseconds) {
    return std::to_wstring(milliseconds) + std::wstring(kDelaySuffix);
}

std::wstring keyNameOfLine(std::wstring_view line, MacroLineKind kind) {
    return withoutEvery(line, kind == MacroLineKind::KeyPress ? kKeyPressSuffix : kKeyReleaseSuffix);
}

uint32_t delayOfLine(std::wstring_view line) {
    return leadingDecimal(withoutEvery(line, kDelaySuffix), kMaxMacroDelayMs);
}

uint32_t leadingDecimal(std::wstring_view text, uint32_t ceiling) {
    uint64_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            break;
        }
        value = value * 10 + static_cast<uint64_t>(c - L'0');
        if (value > ceiling) {
            return ceiling;
        }
    }
    return static_cast<uint32_t>(value);
}

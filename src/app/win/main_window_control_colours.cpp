#include "app/win/main_window_control_colours.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPageGreen = RGB(100, 150, 100);
constexpr COLORREF kMacroListBackground = RGB(14, 15, 14);

} // namespace

ControlColourRule plainControlColour(UINT ctlColorMessage, TextColour uiTextColor) {
    const COLORREF text = uiTextColor.colorRef();
    switch (ctlColorMessage) {
    case WM_CTLCOLORSTATIC:
        return {text, kPageGreen, true, kPageGreen};
    case WM_CTLCOLOREDIT:
        return {text, std::nullopt, false, kBlack};
    case WM_CTLCOLORLISTBOX:
        return {kWhite, std::nullopt, true, kBlack};
    default:
        return {};
    }
}

ControlColourRule stageSwatchColour(const StageColor& stage) {
    return {std::nullopt, std::nullopt, false, RGB(stage.red, stage.green, stage.blue)};
}

ControlColourRule dropDownHeaderColour(TextColour uiTextColor) {
    return {uiTextColor.colorRef(), kBlack, false, kBlack};
}

ControlColourRule fittedListColour() {
    return {kWhite, std::nullopt, false, kBlack};
}

ControlColourRule macroListColour(TextColour uiTextColor) {
    return {uiTextColor.colorRef(), std::nullopt, false, kMacroListBackground};
}

HBRUSH MainWindowControlColours::apply(const ControlColourRule& rule, HDC dc, HFONT normalFont) {
    if (rule.text) {
        SetTextColor(dc, *rule.text);
    }
    if (rule.background) {
        SetBkColor(dc, *rule.background);
    } else {
        SetBkMode(dc, TRANSPARENT);
        // List boxes fill item backgrounds with the background colour even in transparent mode:
        // it matches the brush so the items sit on the same colour as the rest of the list.
        if (rule.brush) {
            SetBkColor(dc, *rule.brush);
        }
    }
    if (rule.normalFont && normalFont != nullptr) {
        SelectObject(dc, normalFont);
    }
    if (!rule.brush) {
        return nullptr;
    }
    brush_.reset();
    brush_.reset(CreateSolidBrush(*rule.brush));
    return brush_.get();
}

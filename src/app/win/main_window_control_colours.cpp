#include "app/win/main_window_control_colours.h"

#include "app/page_control_ids.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPageGreen = RGB(100, 150, 100);
constexpr COLORREF kMacroListBackground = RGB(14, 15, 14);

namespace id = page_control_id;

bool isStageSwatch(int control) {
    return control >= id::kFirstStageSwatch && control <= id::kLastStageSwatch;
}
bool isDropDownHeaderText(int control) {
    return (control >= id::kFirstLightingText && control <= id::kLastLightingText) ||
           control == id::kMouseEventHeaderText;
}
bool isLightingList(int control) {
    return control >= id::kFirstLightingList && control <= id::kLastLightingList;
}
bool isMacroList(int control) {
    return control == id::kMacroListBox || control == id::kEventListBox;
}

ControlColourRule staticRule(int control, COLORREF text,
                             const std::array<StageColor, kDpiStageCount>& stages) {
    if (isStageSwatch(control)) {
        const StageColor& stage = stages[static_cast<std::size_t>(control - id::kFirstStageSwatch)];
        return {std::nullopt, std::nullopt, false, RGB(stage.red, stage.green, stage.blue)};
    }
    if (isDropDownHeaderText(control)) {
        // They keep the font the page gave them, smaller where a language needs that to fit.
        return {text, kBlack, false, kBlack};
    }
    return {text, kPageGreen, true, kPageGreen};
}

} // namespace

ControlColourRule mainWindowControlColour(UINT ctlColorMessage, int controlId, TextColour uiTextColor,
                                          const std::array<StageColor, kDpiStageCount>& stageColours) {
    const COLORREF text = uiTextColor.colorRef();
    switch (ctlColorMessage) {
    case WM_CTLCOLORSTATIC:
        return staticRule(controlId, text, stageColours);
    case WM_CTLCOLOREDIT:
        return {text, std::nullopt, false, kBlack};
    case WM_CTLCOLORLISTBOX:
        if (isMacroList(controlId)) {
            return {text, std::nullopt, false, kMacroListBackground};
        }
        // The lighting lists keep the font the page gave them, like the fields above them.
        return {kWhite, std::nullopt, !isLightingList(controlId), kBlack};
    default:
        return {};
    }
}

HBRUSH MainWindowControlColours::apply(UINT ctlColorMessage, HDC dc, HWND control, HFONT normalFont,
                                       TextColour uiTextColor,
                                       const std::array<StageColor, kDpiStageCount>& stageColours) {
    const ControlColourRule rule =
        mainWindowControlColour(ctlColorMessage, GetDlgCtrlID(control), uiTextColor, stageColours);
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

#include "macro/win/macro_dialog.h"

#include <windowsx.h>

#include <string>
#include <utility>
#include <vector>

#include "config/data_paths.h"
#include "config/win/module_path.h"
#include "config/win/win32_profile_store.h"
#include "ui/win/fonts.h"
#include "ui/win/mem_dc.h"
#include "skin/win/list_hover.h"
#include "ui/win/win_geometry.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
// A repeat option's text may take the height of its panel in the skins, centred on its rectangle.
constexpr LONG kOptionTextHeight = 48;
constexpr UINT kOptionTextFormat = DT_WORDBREAK | DT_EDITCONTROL;

} // namespace

CMacroDialog::CMacroDialog(MacroStore& macros, DialogLook look, const UiTexts& texts)
    : SkinnedSubDialog(SkinImage::MacroKeyDialog, kMacroKeyDialogLoadFailure, std::move(look)),
      model_(macros, texts), choice_(model_.choice()), texts_(texts), list_(*this, model_.macroList()) {}

void CMacroDialog::createControls() {
    list_.create(0);
    std::vector<std::wstring> options;
    for (int mode = 1; mode <= kMacroRepeatModeCount; ++mode) {
        options.push_back(texts_[macroRepeatText(mode)]);
    }
    optionFont_ = fontFitting(hwnd(), font(), options, {macroRepeatTextRect(1).width(), kOptionTextHeight},
                              kOptionTextFormat);
}

void CMacroDialog::paintOwnContent(HDC dc) {
    SetTextColor(dc, kWhite);
    const std::wstring& caption = texts_[TextKey::SelectMacroPrompt];
    RECT captionRect = toRect(dialog_layout::MacroKeyListCaption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &captionRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    for (int mode = 1; mode <= kMacroRepeatModeCount; ++mode) {
        drawOptionText(dc, mode);
        drawTickBox(dc, mode);
    }
}

// The option's text wraps inside its rectangle and stands centred on the rectangle's middle line.
void CMacroDialog::drawOptionText(HDC dc, int mode) {
    const std::wstring& text = texts_[macroRepeatText(mode)];
    const int length = static_cast<int>(text.size());
    ScopedSelect selected(dc, optionFont_ ? optionFont_.get() : font());
    RECT area = toRect(macroRepeatTextRect(mode));
    RECT measured = area;
    DrawTextW(dc, text.c_str(), length, &measured, kOptionTextFormat | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    area.top += (area.bottom - area.top - height) / 2;
    area.bottom = area.top + height;
    DrawTextW(dc, text.c_str(), length, &area, kOptionTextFormat);
}

void CMacroDialog::drawTickBox(HDC dc, int mode) {
    drawSkinImage(dc, mode == model_.repeatMode() ? SkinImage::CheckBoxTicked : SkinImage::CheckBoxEmpty,
                  macroRepeatTickBox(mode).topLeft());
}

void CMacroDialog::onClick(Point p) {
    const MacroKeyDialogClick click = model_.click(p);
    if (click.list != DropDownClick::None) {
        list_.showList();
    }
    if (!click.repeatMode) {
        return;
    }
    const DialogAnswer<std::optional<int>> answer = model_.chooseRepeatMode(*click.repeatMode);
    choice_ = answer.choice;
    if (const std::optional<int> previous = answer.change) {
        CanvasPainter painter(hwnd(), canvas());
        drawTickBox(painter.dc(), *previous);
        drawTickBox(painter.dc(), *click.repeatMode);
    }
}

bool CMacroDialog::isDragSpot(Point p) const {
    if (list_.covers(p)) {
        return false;
    }
    for (int mode = 1; mode <= kMacroRepeatModeCount; ++mode) {
        if (macroRepeatTickBox(mode).contains(p)) {
            return false;
        }
    }
    return true;
}

INT_PTR CMacroDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_MOUSEWHEEL) {
        list_.scroll(model_.wheelLines(GET_WHEEL_DELTA_WPARAM(wParam)));
        return FALSE;
    }
    if (message != WM_COMMAND || !list_.isPick(LOWORD(wParam), HIWORD(wParam))) {
        return FALSE;
    }
    const DialogAnswer<bool> answer = model_.chooseMacro(list_.selection());
    choice_ = answer.choice;
    if (answer.change) {
        list_.showChoice();
        list_.showList();
    }
    return TRUE;
}

namespace {

// The repeat mode (1 to 3) whose tick box `stop` is; 0 for any other stop.
int repeatModeOf(const DialogStop& stop) {
    for (int mode = 1; mode <= 3; ++mode) {
        if (stop.area == macroRepeatTickBox(mode)) {
            return mode;
        }
    }
    return 0;
}

} // namespace

std::wstring CMacroDialog::stopName(const DialogStop& stop) const {
    if (const int mode = repeatModeOf(stop)) {
        return texts_[macroRepeatText(mode)];
    }
    if (stop.role == FocusRole::ComboBox) {
        return texts_[TextKey::SelectMacroPrompt];
    }
    return SkinnedSubDialog::stopName(stop);
}

bool CMacroDialog::stopChecked(const DialogStop& stop) const {
    const int mode = repeatModeOf(stop);
    return mode != 0 && mode == model_.repeatMode();
}

bool CMacroDialog::filterMessage(MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(list_.list());
    }
    return false;
}

std::optional<FunctionChoice> runMacroDialog(HWND owner, const DialogLook& look, const UiTexts& texts) {
    Win32ProfileStore macroFile(dataPathsFromModulePath(currentModulePath()).macroPath);
    MacroStore macros(macroFile);
    CMacroDialog dialog(macros, look, texts);
    if (dialog.runModal(owner) != IDOK) {
        return std::nullopt;
    }
    return dialog.choice();
}

#include "assign/win/delay_time_dialog.h"

#include <utility>

#include "ui/win/window_text.h"
#include "ui/win/win_geometry.h"

CDelayTimeDialog::CDelayTimeDialog(DialogLook look, const UiTexts& texts)
    : SkinnedSubDialog(SkinImage::DelayTimeDialog, kDelayTimeDialogLoadFailure, std::move(look)),
      texts_(delayTimeDialogTexts(texts)) {}

void CDelayTimeDialog::createControls() {
    delayEdit_ = createControl(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER,
                               dialog_layout::DelayTimeDelayEdit, kDelayEditId);
}

void CDelayTimeDialog::paintOwnContent(HDC dc) {
    for (const auto& [text, area] : {std::pair{&texts_.prompt, dialog_layout::DelayTimeDelayPrompt},
                                     std::pair{&texts_.rangeNote, dialog_layout::DelayTimeRangeNote}}) {
        RECT rect = toRect(area);
        DrawTextW(dc, text->c_str(), static_cast<int>(text->size()), &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

INT_PTR CDelayTimeDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == kDelayEditId && HIWORD(wParam) == EN_CHANGE) {
        model_.onDelayChanged(windowText(delayEdit_));
        InvalidateRect(delayEdit_, nullptr, TRUE);
        return TRUE;
    }
    return FALSE;
}

std::optional<DelayTimeEntry> runDelayTimeDialog(HWND owner, const DialogLook& look, const UiTexts& texts) {
    CDelayTimeDialog dialog(look, texts);
    if (dialog.runModal(owner) != IDOK) {
        return std::nullopt;
    }
    return DelayTimeEntry{dialog.delayText(), dialog.delayValue()};
}

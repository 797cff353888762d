#include "assign/win/combo_key_dialog.h"

#include <utility>

#include "assign/win/key_message.h"
#include "skin/win/list_hover.h"
#include "ui/win/win_geometry.h"

CComboDialog::CComboDialog(DialogLook look, const UiTexts& texts)
    : SkinnedSubDialog(SkinImage::ComboKeyDialog, kComboKeyDialogLoadFailure, std::move(look)),
      texts_(comboKeyDialogTexts(texts)), model_(texts), choice_(model_.choice()),
      modifiers_(*this, model_.modifierList()) {}

void CComboDialog::paintOwnContent(HDC dc) {
    RECT shortcuts = toRect(kCaptureShortcutsRect);
    DrawTextW(dc, texts_.shortcuts.c_str(), static_cast<int>(texts_.shortcuts.size()), &shortcuts,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CComboDialog::createControls() {
    modifiers_.create(SS_CENTER);
    const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_CENTER;
    firstKeyEdit_ =
        createControl(L"EDIT", L"", editStyle, dialog_layout::ComboKeyFirstKeyEdit, kComboFirstKeyEditId);
    secondKeyEdit_ =
        createControl(L"EDIT", L"", editStyle, dialog_layout::ComboKeySecondKeyEdit, kComboSecondKeyEditId);
    capture_.install(hwnd(), CaptureDialog::ComboKey);
}

void CComboDialog::onClick(Point p) {
    if (model_.click(p) != DropDownClick::None) {
        modifiers_.showList({firstKeyEdit_, secondKeyEdit_});
    }
}

bool CComboDialog::isDragSpot(Point p) const {
    return !modifiers_.covers(p);
}

void CComboDialog::onModifierPicked() {
    const DialogAnswer<bool> answer = model_.chooseModifier(modifiers_.selection());
    choice_ = answer.choice;
    if (answer.change) {
        modifiers_.showChoice();
        modifiers_.showList({firstKeyEdit_, secondKeyEdit_});
    }
}

std::wstring CComboDialog::stopName(const DialogStop& stop) const {
    if (stop.area == dialog_layout::ComboKeyFirstKeyEdit) {
        return texts_.firstKey;
    }
    if (stop.area == dialog_layout::ComboKeySecondKeyEdit) {
        return texts_.secondKey;
    }
    if (stop.role == FocusRole::ComboBox) {
        return texts_.modifier;
    }
    return SkinnedSubDialog::stopName(stop);
}

void CComboDialog::onKeyCaptured() {
    const HWND focus = GetFocus();
    OneKeyField::Step step = OneKeyField::Step::Take;
    if (keyboardInUse() && capturesKeys(focus)) {
        const CapturedKeyEvent event = LastCapturedKeyEvent(CaptureDialog::ComboKey);
        step = oneKey_.onKeyEvent(event.virtualKey, event.released);
    }
    if (step == OneKeyField::Step::Ignore) {
        return;
    }
    const ComboKeyEdit focused = focus == firstKeyEdit_    ? ComboKeyEdit::First
                                 : focus == secondKeyEdit_ ? ComboKeyEdit::Second
                                                           : ComboKeyEdit::None;
    const DialogAnswer<std::optional<ComboKeyEdit>> answer =
        model_.onKeyCaptured(CapturedKeyName(CaptureDialog::ComboKey), focused);
    choice_ = answer.choice;
    if (!answer.change || *answer.change == ComboKeyEdit::None) {
        return;
    }
    const bool first = *answer.change == ComboKeyEdit::First;
    const HWND edit = first ? firstKeyEdit_ : secondKeyEdit_;
    SetWindowTextW(edit, (first ? model_.firstKeyName() : model_.secondKeyName()).c_str());
    InvalidateRect(edit, nullptr, TRUE);
    if (step == OneKeyField::Step::TakeAndMoveOn) {
        moveFocus(true);
    }
}

INT_PTR CComboDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case kComboKeyCapturedMessage:
        onKeyCaptured();
        return TRUE;
    case WM_COMMAND:
        if (modifiers_.isPick(LOWORD(wParam), HIWORD(wParam))) {
            onModifierPicked();
            return TRUE;
        }
        if (HIWORD(wParam) == EN_SETFOCUS) {
            oneKey_.reset();
        }
        return FALSE;
    case WM_DESTROY:
        capture_.remove();
        return FALSE;
    default:
        return FALSE;
    }
}

bool CComboDialog::filterMessage(MSG& message) {
    // Alt+O ends the dialog as OK does, Alt+C as Cancel does.
    if (const int command = shortcutCommandOf(message)) {
        SendMessageW(hwnd(), WM_COMMAND, command, 0);
        return true;
    }
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(modifiers_.list());
    }
    return captureDialogHoldsBack(CaptureDialog::ComboKey, keyMessageOf(message.message),
                                  static_cast<unsigned>(message.wParam));
}

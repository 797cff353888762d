#include "assign/win/single_key_dialog.h"

#include <utility>

#include "assign/win/key_message.h"
#include "ui/win/win_geometry.h"

CSingleDialog::CSingleDialog(DialogLook look, const UiTexts& texts)
    : SkinnedSubDialog(SkinImage::SingleKeyDialog, kSingleKeyDialogLoadFailure, std::move(look)),
      prompt_(SingleKeyDialogModel::prompt(texts)), shortcuts_(texts[TextKey::CaptureDialogShortcuts]),
      model_(texts), choice_(model_.choice()) {}

void CSingleDialog::createControls() {
    keyName_ = createControl(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER,
                             dialog_layout::SingleKeyKeyNameStatic, kSingleKeyNameId);
    capture_.install(hwnd(), CaptureDialog::SingleKey);
}

void CSingleDialog::paintOwnContent(HDC dc) {
    RECT prompt = toRect(dialog_layout::SingleKeyPromptText);
    DrawTextW(dc, prompt_.c_str(), static_cast<int>(prompt_.size()), &prompt,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT shortcuts = toRect(kCaptureShortcutsRect);
    DrawTextW(dc, shortcuts_.c_str(), static_cast<int>(shortcuts_.size()), &shortcuts,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CSingleDialog::onKeyCaptured() {
    choice_ = model_.onKeyCaptured(CapturedKeyName(CaptureDialog::SingleKey));
    SetWindowTextW(keyName_, model_.keyName().c_str());
    InvalidateRect(keyName_, nullptr, TRUE);
    tellReaders();
}

INT_PTR CSingleDialog::onOtherMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
    case kSingleKeyCapturedMessage:
        onKeyCaptured();
        return TRUE;
    case WM_DESTROY:
        capture_.remove();
        return FALSE;
    default:
        return FALSE;
    }
}

bool CSingleDialog::filterMessage(MSG& message) {
    // Alt+O ends the dialog as OK does, Alt+C as Cancel does.
    if (const int command = shortcutCommandOf(message)) {
        SendMessageW(hwnd(), WM_COMMAND, command, 0);
        return true;
    }
    return captureDialogHoldsBack(CaptureDialog::SingleKey, keyMessageOf(message.message),
                                  static_cast<unsigned>(message.wParam));
}

#include "assign/key_capture_rules.h"

unsigned keyCapturedMessage(CaptureDialog dialog) {
    return dialog == CaptureDialog::SingleKey ? kSingleKeyCapturedMessage : kComboKeyCapturedMessage;
}

std::wstring keyCaptureFailureText(CaptureDialog dialog, unsigned long errorCode) {
    const wchar_t* prefix = dialog == CaptureDialog::SingleKey
                                ? L"KeyboardHook_SingleDlgKey Install error code :"
                                : L"KeyboardHook_ComboDlg Install error code :";
    return prefix + std::to_wstring(errorCode) + L"\n";
}

bool captureDialogHoldsBack(CaptureDialog dialog, KeyMessage message, unsigned virtualKey) {
    if (message == KeyMessage::KeyDown &&
        (virtualKey == kVirtualKeyEnter || virtualKey == kVirtualKeyEscape)) {
        return true;
    }
    const bool windowsKey = virtualKey == kVirtualKeyLeftWindows || virtualKey == kVirtualKeyRightWindows;
    return dialog == CaptureDialog::SingleKey && windowsKey && message != KeyMessage::Other;
}

CaptureShortcut captureShortcut(KeyMessage message, unsigned virtualKey, bool altHeld) {
    if (message != KeyMessage::SystemKeyDown || !altHeld) {
        return CaptureShortcut::None;
    }
    return virtualKey == 'O'   ? CaptureShortcut::Ok
           : virtualKey == 'C' ? CaptureShortcut::Cancel
                               : CaptureShortcut::None;
}

bool AltShortcutGate::holdsBack(unsigned virtualKey, bool altHeld, bool release) {
    if (virtualKey == kVirtualKeyAlt) {
        if (!release) {
            return true;
        }
        const bool shortcut = shortcut_;
        shortcut_ = false;
        return shortcut;
    }
    if (altHeld && (virtualKey == 'O' || virtualKey == 'C')) {
        shortcut_ = true;
        return true;
    }
    return false;
}

OneKeyField::Step OneKeyField::onKeyEvent(unsigned virtualKey, bool released) {
    if (!released) {
        if (pressed_ == 0) {
            pressed_ = virtualKey;
        }
        return Step::Take;
    }
    if (virtualKey != pressed_) {
        return Step::Ignore;
    }
    pressed_ = 0;
    return Step::TakeAndMoveOn;
}

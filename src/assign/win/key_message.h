#pragma once

#include <windows.h>

#include "assign/key_capture_rules.h"

// The kind of keyboard message a window message is, for the capture dialogs' message filter.
inline KeyMessage keyMessageOf(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return KeyMessage::KeyDown;
    case WM_KEYUP:
        return KeyMessage::KeyUp;
    case WM_SYSKEYDOWN:
        return KeyMessage::SystemKeyDown;
    case WM_SYSKEYUP:
        return KeyMessage::SystemKeyUp;
    default:
        return KeyMessage::Other;
    }
}

// Alt+O or Alt+C in a capture dialog's message filter (bit 29 of the key data: Alt is held).
inline CaptureShortcut shortcutOf(const MSG& message) {
    return captureShortcut(keyMessageOf(message.message), static_cast<unsigned>(message.wParam),
                           (message.lParam & (1 << 29)) != 0);
}

// The dialog command of Alt+O (IDOK) or Alt+C (IDCANCEL) in a capture dialog's message filter; 0
// for any other message.
inline int shortcutCommandOf(const MSG& message) {
    switch (shortcutOf(message)) {
    case CaptureShortcut::Ok:
        return IDOK;
    case CaptureShortcut::Cancel:
        return IDCANCEL;
    case CaptureShortcut::None:
        break;
    }
    return 0;
}

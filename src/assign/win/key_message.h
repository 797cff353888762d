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

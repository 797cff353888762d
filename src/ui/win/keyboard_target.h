#pragma once

#include <windows.h>

// Where the keys of a skinned window go: to the window itself, or to one of its child controls (a
// field or a list) while that control can take them.

// The child control `id` of `window` while it is shown and enabled; nullptr for 0 or otherwise.
inline HWND keyTakingChild(HWND window, int id) {
    const HWND control = id != 0 ? GetDlgItem(window, id) : nullptr;
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) ? control : nullptr;
}

// Gives the keyboard focus to `keys` unless it has it already; nothing for nullptr.
inline void giveKeysTo(HWND keys) {
    if (keys != nullptr && GetFocus() != keys) {
        SetFocus(keys);
    }
}

#pragma once

#include <windows.h>

#include "ui/win/scoped_handle.h"

// A child window created on demand (a drop-down list) that is destroyed with its owner object.
struct WindowTraits {
    static HWND invalid() { return nullptr; }
    static bool isValid(HWND window) { return window != nullptr; }
    static void close(HWND window) {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
};
using UniqueWindow = ScopedHandle<HWND, WindowTraits>;

#pragma once

#include <windows.h>

#include <atomic>

// The main window, for code that reaches it from outside its object: the device event reader
// thread and the keyboard hook procedures. Set once at start-up.
inline std::atomic<HWND> mainWindowHandle{nullptr};

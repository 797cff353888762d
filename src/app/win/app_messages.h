#pragma once

#include <windows.h>

#include "device/win/device_link.h"

// The names through which the main window is reached, by the program itself and by the tools that
// drive it in tests.

// Window class of the main window, a copy of the system dialog class under its own name.
inline constexpr wchar_t kMainWindowClass[] = L"Z9GMClass";
// Named mutex that keeps the program to one instance.
inline constexpr wchar_t kSingleInstanceMutex[] = L"Dorvane-Z9Mutex";

// Callback message of the notification icon; lParam is the mouse message.
inline constexpr UINT kTrayIconMessage = WM_USER + 1;
static_assert(kTrayIconMessage + 1 == kDeviceEventMessage);
// Identifier of the program's one notification icon.
inline constexpr UINT kTrayIconId = 1;
// Command of the notification menu's "Exit" item.
inline constexpr UINT kTrayExitCommand = 1028;

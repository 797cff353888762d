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
// Command of the notification menu's check item that sends the settings on every arrival.
inline constexpr UINT kTraySendOnArrivalCommand = 1029;
// Command of the Profiles submenu's last item, which opens the Profiles dialog.
inline constexpr UINT kTrayProfilesDialogCommand = 1030;
// Commands of the notification menu's profiles, the first profile's and those after it in order.
inline constexpr UINT kTrayFirstProfileCommand = 1100;
inline constexpr UINT kTrayProfileCommandCount = 900;
// The one timer of the switch by the program in front.
inline constexpr UINT_PTR kProfileSwitchTimer = 1;

// Posted by the main window to itself, so that what they start runs once the message that led to
// them (a click, a device broadcast) has been handled:
// a notice to show after the click or the device event that led to it, e.g. that the mouse did not
// confirm the settings of OK or Apply;
inline constexpr UINT kLaterNoticeMessage = WM_APP + 0x30;
// the comparison of the settings of a mouse that has just arrived with the program's.
inline constexpr UINT kArrivalCheckMessage = WM_APP + 0x31;
// the default action a screen reader asked for on child wParam (0-based), which may open a dialog
// while the reader waits for its call to return.
inline constexpr UINT kAccessibleActionMessage = WM_APP + 0x38;

#pragma once

#include <windows.h>

#include "device/win/device_link.h"

// The device event reader, the body of the reader thread. While the mouse is absent or its event
// interface is not open it waits on the link's wake event; otherwise it reads one event report
// at a time with an overlapped read whose completion event is the wake event, and sends each
// known event to the main window with the device-event message (wParam = code, lParam = value).
// It never writes to the link.
[[noreturn]] void runEventReader(const DeviceLink& link, HWND mainWindow);

// One turn of the reader: parks or reads and reports one event report. Returns whether an event
// was sent to the window.
bool readOneDeviceEvent(const DeviceLink& link, HWND mainWindow);

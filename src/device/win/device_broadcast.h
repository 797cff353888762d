#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/win/scoped_handle.h"

// The interface name that the emulated mouse's arrival and removal broadcasts carry: a HID
// collection path with the mouse's vendor and product IDs, spelt as Windows spells them.
std::wstring emulatedMouseInterfaceName();

// Registers `window` for the system's arrival and removal broadcasts of HID interfaces; the
// registration ends when the handle goes. An invalid handle when the system refuses.
UniqueDeviceNotify registerForInterfaceBroadcasts(HWND window);

// Sends `window` a device-interface broadcast of the HID class as the system does on arrival
// (DBT_DEVICEARRIVAL) and removal (DBT_DEVICEREMOVECOMPLETE) of a device interface.
void sendInterfaceBroadcast(HWND window, WPARAM eventType, std::wstring_view interfaceName);

// The interface name of a device-interface broadcast, or nothing for any other kind of broadcast.
std::optional<std::wstring_view> broadcastInterfaceName(LPARAM broadcast);

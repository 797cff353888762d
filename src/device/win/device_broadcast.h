#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The interface name that the emulated mouse's arrival and removal broadcasts carry: a HID
// collection path with the mouse's vendor and product IDs, spelt as Windows spells them.
std::wstring emulatedMouseInterfaceName();

// Sends `window` a device-interface broadcast of the HID class as the system does on arrival
// (DBT_DEVICEARRIVAL) and removal (DBT_DEVICEREMOVECOMPLETE) of a device interface.
void sendInterfaceBroadcast(HWND window, WPARAM eventType, std::wstring_view interfaceName);

// The interface name of a device-interface broadcast, or nothing for any other kind of broadcast.
std::optional<std::wstring_view> broadcastInterfaceName(LPARAM broadcast);

#pragma once

#include <functional>
#include <string>

#include "device/win/device_link.h"

// Shows one failure of the search to the user (the program: a message box with its title).
using DiscoveryFailureReport = std::function<void(const std::wstring& text)>;

// Searches the present HID interfaces for the mouse, in the order Windows lists them, and opens
// its event interface (overlapped, for the reader) and its command interface into the link. The
// handles of a previous connection are closed first. Returns true, with deviceConnected set and
// the reader woken, when the command interface is open; false leaves deviceConnected clear.
// The failures of the system calls named in the messages are reported through `reportFailure`;
// diagnostic lines about each interface go to the debug log.
bool findMouseInterfaces(DeviceLink& link, const DiscoveryFailureReport& reportFailure);

// Closes the command and both event handles of the link, each only if it is open, and marks them
// invalid. The reader sees the invalid handle before the old one is closed.
void closeDeviceHandles(DeviceLink& link);

#pragma once

#include <windows.h>

#include <memory>

#include "device/hid_port.h"
#include "device/pacer.h"
#include "device/win/device_link.h"

// The mouse as the main window sees it. Each program links exactly one implementation of
// createDeviceBackend: the real one talks to the HID device, the emulated one to MouseEmulator.
class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;

    // Looks for the mouse and opens its interfaces into the link; true when the command interface
    // is open (deviceConnected is then set).
    virtual bool findDevice() = 0;

    // Arranges for the main window to hear of the mouse's arrivals and removals as device-change
    // broadcasts. False when that cannot be had.
    virtual bool watchForArrivals() = 0;

    // The command interface while the mouse is connected, else nullptr.
    virtual HidPort* commandPort() = 0;
    virtual Pacer& pacer() = 0;

    // Closes the three device handles of the link (each only if it is open) at exit.
    virtual void closeHandles() = 0;
};

std::unique_ptr<DeviceBackend> createDeviceBackend(DeviceLink& link, HWND mainWindow);

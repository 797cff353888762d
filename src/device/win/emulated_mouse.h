#pragma once

#include <windows.h>

#include <cstdint>

#include "device/emulator/mouse_emulator.h"
#include "device/tracing_hid_port.h"
#include "device/tracing_pacer.h"
#include "device/win/device_link.h"
#include "device/win/emulator_control_window.h"
#include "device/win/win32_pacer.h"

// The mouse of the emulated build: MouseEmulator stands where the HID device would be. Its command
// interface is the emulator itself, traced report by report; its event interface is a message pipe
// whose read end goes into the link in place of the HID event handle, so device events travel
// through the same overlapped reader as the real mouse's. The control window plugs and unplugs
// the mouse (with the arrival and removal broadcasts the main window would get from Windows) and
// makes it send device events.
class EmulatedMouse {
public:
    struct Options {
        uint8_t sensorType = 1;
        bool pluggedIn = true;
    };

    // GM_EMULATOR_SENSOR (a number, default 1) chooses the sensor type the mouse starts with;
    // GM_EMULATOR_UNPLUGGED=1 starts it unplugged.
    static Options optionsFromEnvironment();
    // GM_EMULATOR_FAULTS: a comma-separated list of NAME=VALUE faults (device/emulator/
    // emulator_fault_names.h), for example "silent=1" or "unplug-after=30". A list that is not
    // understood sets no fault and is written to the debug log.
    static EmulatorFaults faultsFromEnvironment();

    EmulatedMouse(DeviceLink& link, HWND mainWindow, Options options, WireTraceSink trace);
    EmulatedMouse(const EmulatedMouse&) = delete;
    EmulatedMouse& operator=(const EmulatedMouse&) = delete;
    ~EmulatedMouse();

    // The search: closes the previous connection's handles and, while the mouse is plugged in,
    // opens a fresh event pipe and reports the command interface's lengths as a HID search would.
    bool findDevice();
    HidPort* commandPort();
    Pacer& pacer() { return tracedPacer_; }
    // A mouse that the unplug-after fault takes away is unplugged as through the control window, once
    // the thread that talks to it is free again: the main window then gets the removal broadcast.
    void setFaults(const EmulatorFaults& faults);
    void closeHandles();

    HWND controlWindow() const { return control_.hwnd(); }
    const MouseEmulator& emulator() const { return emulator_; }

private:
    bool openEventPipe();
    void plugIn(uint8_t sensorType);
    void unplug();
    void sendDeviceEvent(uint8_t code, uint8_t value);

    DeviceLink& link_;
    HWND mainWindow_;
    MouseEmulator emulator_;
    TracingHidPort tracedPort_;
    Win32Pacer waitingPacer_;
    TracingPacer tracedPacer_;
    unsigned pipeSerial_ = 0;
    EmulatorControlWindow control_;
};

#pragma once

#include <optional>

// What the main window does when Windows reports that a HID interface of the mouse came or went.
// Arrival and removal both search for the mouse again: a removal may concern only one of its
// collections while another one stays.
enum class DeviceChange { Arrival, RemovalComplete };

// The broadcast event types the main window follows (DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE);
// nothing for any other.
std::optional<DeviceChange> deviceChangeOf(unsigned eventType);

// What the main window lends the handling of a device change, one step each.
class DeviceChangePorts {
public:
    virtual ~DeviceChangePorts() = default;
    // Shows the balloon of a device event: mouse found (14) or not found (15).
    virtual void showDeviceEvent(unsigned code) = 0;
    virtual void hideWindow() = 0;
    // Reads the sensor settings from the mouse that just arrived, marks the connection and queues
    // the comparison of the mouse's settings with the program's.
    virtual void greetArrivedMouse() = 0;
};

// Carries out the steps after the search that the change started, in this order: the balloon, then
// hiding the window (mouse gone) or greeting the mouse (mouse arrived). `mouseFound` is the
// search's result.
void carryOutDeviceChange(DeviceChange change, bool mouseFound, DeviceChangePorts& ports);

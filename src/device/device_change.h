#pragma once

#include <optional>

// What the main window does when Windows reports that a HID interface of the mouse came or went.
// Arrival and removal both search for the mouse again: a removal may concern only one of its
// collections while another one stays.
enum class DeviceChange { Arrival, RemovalComplete };

// The broadcast event types the main window follows (DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE);
// nothing for any other.
std::optional<DeviceChange> deviceChangeOf(unsigned eventType);

struct DeviceChangeSteps {
    // Device-event code of the balloon to show: mouse found (14) or not found (15).
    std::optional<unsigned> notice;
    bool hideWindow = false;
    // Read the sensor settings from the mouse that just arrived and mark the connection.
    bool connectionExchange = false;
    // Let the event reader, parked since start-up without the mouse, run from now on.
    bool releaseReader = false;

    bool operator==(const DeviceChangeSteps&) const = default;
};

// The steps after the search that the change started; `mouseFound` is its result and
// `readerReleased` whether the reader already runs.
DeviceChangeSteps deviceChangeSteps(DeviceChange change, bool mouseFound, bool readerReleased);

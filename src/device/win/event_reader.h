#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "device/win/device_link.h"

// The device event reader. It runs on the main window's thread, without a thread of its own: one
// overlapped read of an event report is pending at a time, its completion event being the link's
// wake event, which the thread's message loops watch (ui/win/message_wait.h) and answer with
// onWake. Each known event is sent to the main window with the device-event message (wParam =
// code, lParam = value). It never writes to the link.
class DeviceEventReader {
public:
    DeviceEventReader(const DeviceLink& link, HWND mainWindow);
    ~DeviceEventReader();
    DeviceEventReader(const DeviceEventReader&) = delete;
    DeviceEventReader& operator=(const DeviceEventReader&) = delete;

    // For the signalled wake event: takes the report of the read that finished, or ends the read
    // that a search made stale (the search sets the event once the event interface is open), then
    // starts the next read while the mouse is connected. Returns whether an event was sent.
    bool onWake();

private:
    struct PendingRead {
        OVERLAPPED overlapped{};
        std::vector<uint8_t> report;
        HANDLE device = INVALID_HANDLE_VALUE;
    };

    void startRead();
    bool reportOf(PendingRead& read);
    void endStaleRead();

    const DeviceLink& link_;
    HWND mainWindow_;
    std::unique_ptr<PendingRead> pending_;
};

#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "ui/win/scoped_handle.h"

// The main window's device-event message: wParam is the event code, lParam its value (the codes
// are in device/device_notice.h). The device event reader sends it synchronously.
inline constexpr UINT kDeviceEventMessage = WM_USER + 2;

// The connection to the mouse, shared by the search, arrival, removal and commands and by the
// device event reader. What the reader looks at is atomic; the reader never
// writes any of it. The link owns its handles: each closes when it is replaced, reset or the link
// goes away.
struct DeviceLink {
    std::atomic<bool> deviceConnected{false};
    // Command interface: read and write, synchronous.
    SharedFile commandHandle;
    // Event interface: overlapped; the write handle is opened with it and never used for writing.
    SharedFile eventReadHandle;
    SharedFile eventWriteHandle;
    // Manual-reset event: the completion event of the reader's overlapped read and its wake-up
    // signal when a search opens the event interface; the message loops watch it.
    SharedEvent readerWakeEvent;

    std::atomic<uint16_t> featureLength{0};
    std::atomic<uint16_t> inputLength{0};
    std::atomic<uint16_t> outputLength{0};
    std::atomic<uint16_t> eventLength{0};

    // Interface path of the last interface the search examined (user-interface thread only).
    std::wstring devicePath;
    // The mouse's sensor type as last read from it; selects the DPI tables.
    std::atomic<uint8_t> sensorType{0};
};

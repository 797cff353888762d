#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

// The main window's device-event message: wParam is the event code, lParam its value (the codes
// are in device/device_notice.h). The reader thread sends it synchronously.
inline constexpr UINT kDeviceEventMessage = WM_USER + 2;

// The connection to the mouse, shared by the user-interface thread (search, arrival, removal,
// commands) and the event reader thread. What the reader looks at is atomic; the reader never
// writes any of it.
struct DeviceLink {
    std::atomic<bool> deviceConnected{false};
    // Command interface: read and write, synchronous.
    std::atomic<HANDLE> commandHandle{INVALID_HANDLE_VALUE};
    // Event interface: overlapped; the write handle is opened with it and never used for writing.
    std::atomic<HANDLE> eventReadHandle{INVALID_HANDLE_VALUE};
    std::atomic<HANDLE> eventWriteHandle{INVALID_HANDLE_VALUE};
    // Manual-reset event: the completion event of the reader's overlapped read and its wake-up
    // signal when a search opens the event interface.
    std::atomic<HANDLE> readerWakeEvent{nullptr};

    std::atomic<uint16_t> featureLength{0};
    std::atomic<uint16_t> inputLength{0};
    std::atomic<uint16_t> outputLength{0};
    std::atomic<uint16_t> eventLength{0};

    // Interface path of the last interface the search examined (user-interface thread only).
    std::wstring devicePath;
    // The mouse's sensor type as last read from it; selects the DPI tables.
    std::atomic<uint8_t> sensorType{0};
};

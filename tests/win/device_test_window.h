#pragma once

#include <windows.h>

#include <dbt.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "device/win/device_broadcast.h"
#include "device/win/device_link.h"
#include "ui/win/scoped_handle.h"
#include "ui/win/window.h"

// A message-only window standing in for the main window: it records the device-event messages and
// device-interface broadcasts it receives.
class RecordingWindow : public Window {
public:
    struct DeviceEventMessage {
        WPARAM code;
        LPARAM value;
    };
    struct Broadcast {
        WPARAM eventType;
        std::wstring interfaceName;
    };

    RecordingWindow() {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        registerClass(instance, L"GMDeviceTestWindow");
        create(instance, L"GMDeviceTestWindow", L"", 0, HWND_MESSAGE);
    }

    std::vector<DeviceEventMessage> events;
    std::vector<Broadcast> broadcasts;

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kDeviceEventMessage) {
            events.push_back({wParam, lParam});
            return 0;
        }
        if (message == WM_DEVICECHANGE) {
            const std::optional<std::wstring_view> name = broadcastInterfaceName(lParam);
            broadcasts.push_back({wParam, name ? std::wstring(*name) : std::wstring()});
            return TRUE;
        }
        return defaultProcessing(message, wParam, lParam);
    }
};

// Dispatches this thread's messages until `done` holds or `limit` has passed; returns `done()`.
inline bool pumpMessagesUntil(const std::function<bool()>& done,
                              std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return done();
}

// An overlapped message pipe standing in for a HID interface: reads through `device` receive the
// messages written to `feeder`.
struct PipeDevice {
    UniqueHandle device;
    UniqueHandle feeder;

    PipeDevice() {
        static unsigned serial = 0;
        const std::wstring name = L"\\\\.\\pipe\\GMDeviceTest-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(++serial);
        device.reset(CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                      PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 4096, 4096, 0,
                                      nullptr));
        feeder.reset(
            CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    }

    void feed(const std::vector<uint8_t>& bytes) const {
        DWORD written = 0;
        WriteFile(feeder.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
};

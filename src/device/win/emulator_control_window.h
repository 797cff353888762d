#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/win/window.h"

// The remote control of the emulated mouse: a message-only window that tests and tools find by its
// class name and post to.
inline constexpr wchar_t kEmulatorControlClass[] = L"GMEmulatorControl";
// Plugs the mouse in; wParam is its sensor type.
inline constexpr UINT kEmulatorPlugInMessage = WM_APP + 1;
// Unplugs the mouse.
inline constexpr UINT kEmulatorUnplugMessage = WM_APP + 2;
// The mouse sends a device event; wParam is the event code, lParam its value.
inline constexpr UINT kEmulatorDeviceEventMessage = WM_APP + 3;

class EmulatorControlWindow : public Window {
public:
    struct Handlers {
        std::function<void(uint8_t sensorType)> plugIn;
        std::function<void()> unplug;
        std::function<void(uint8_t code, uint8_t value)> deviceEvent;
    };

    explicit EmulatorControlWindow(Handlers handlers);

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handlers handlers_;
};

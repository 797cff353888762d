#include "device/win/emulator_control_window.h"

#include <utility>

EmulatorControlWindow::EmulatorControlWindow(Handlers handlers) : handlers_(std::move(handlers)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (registerClass(instance, kEmulatorControlClass)) {
        create(instance, kEmulatorControlClass, L"", 0, HWND_MESSAGE);
    }
}

LRESULT EmulatorControlWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kEmulatorPlugInMessage:
        handlers_.plugIn(static_cast<uint8_t>(wParam));
        return 0;
    case kEmulatorUnplugMessage:
        handlers_.unplug();
        return 0;
    case kEmulatorDeviceEventMessage:
        handlers_.deviceEvent(static_cast<uint8_t>(wParam), static_cast<uint8_t>(lParam));
        return 0;
    default:
        return defaultProcessing(message, wParam, lParam);
    }
}

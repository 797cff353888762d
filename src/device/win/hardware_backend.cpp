#include <windows.h>

#include "device/win/device_backend.h"
#include "device/win/event_reader.h"
#include "device/win/win32_pacer.h"

namespace {

// The mouse over HID. The search is not wired up in this build yet: it finds nothing, so the
// program runs as with the mouse unplugged and the reader stays parked on its wake event.
class HardwareBackend : public DeviceBackend {
public:
    HardwareBackend(DeviceLink& link, HWND mainWindow) : link_(link), mainWindow_(mainWindow) {}

    bool findDevice() override { return false; }
    [[noreturn]] void eventReaderLoop() override { runEventReader(link_, mainWindow_); }
    HidPort* commandPort() override { return nullptr; }
    Pacer& pacer() override { return pacer_; }
    void closeHandles() override {
        for (std::atomic<HANDLE>* slot :
             {&link_.commandHandle, &link_.eventReadHandle, &link_.eventWriteHandle}) {
            const HANDLE handle = slot->exchange(INVALID_HANDLE_VALUE);
            if (handle != INVALID_HANDLE_VALUE) {
                CloseHandle(handle);
            }
        }
    }

private:
    DeviceLink& link_;
    HWND mainWindow_;
    Win32Pacer pacer_;
};

} // namespace

std::unique_ptr<DeviceBackend> createDeviceBackend(DeviceLink& link, HWND mainWindow) {
    return std::make_unique<HardwareBackend>(link, mainWindow);
}

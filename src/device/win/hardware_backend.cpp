#include <windows.h>

#include <optional>

#include "config/win/notice_box.h"
#include "device/win/device_backend.h"
#include "device/win/device_broadcast.h"
#include "device/win/hid_discovery.h"
#include "device/win/win32_hid_port.h"
#include "device/win/win32_pacer.h"

namespace {

// The mouse over HID: the search through SetupDi and HidD, the command
// interface as a Win32HidPort, the event interface read by the device event reader.
class HardwareBackend : public DeviceBackend {
public:
    HardwareBackend(DeviceLink& link, HWND mainWindow) : link_(link), mainWindow_(mainWindow) {}

    bool findDevice() override {
        port_.reset();
        const bool found = findMouseInterfaces(
            link_, [this](const std::wstring& text) { showNotice(mainWindow_, Notice{text}); });
        if (found) {
            port_.emplace(link_.commandHandle.load(), link_.featureLength.load(), link_.inputLength.load(),
                          link_.outputLength.load());
        }
        return found;
    }

    // The system announces HID interfaces to the windows registered for them.
    bool watchForArrivals() override {
        arrivalNotification_ = registerForInterfaceBroadcasts(mainWindow_);
        return arrivalNotification_.valid();
    }

    HidPort* commandPort() override { return link_.deviceConnected && port_ ? &*port_ : nullptr; }
    Pacer& pacer() override { return pacer_; }
    void closeHandles() override {
        port_.reset();
        closeDeviceHandles(link_);
    }

private:
    DeviceLink& link_;
    HWND mainWindow_;
    std::optional<Win32HidPort> port_;
    Win32Pacer pacer_;
    UniqueDeviceNotify arrivalNotification_;
};

} // namespace

std::unique_ptr<DeviceBackend> createDeviceBackend(DeviceLink& link, HWND mainWindow) {
    return std::make_unique<HardwareBackend>(link, mainWindow);
}

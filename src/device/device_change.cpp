#include "device/device_change.h"

#include "device/device_event.h"

namespace {

constexpr unsigned kDeviceArrival = 0x8000;
constexpr unsigned kDeviceRemoveComplete = 0x8004;

} // namespace

std::optional<DeviceChange> deviceChangeOf(unsigned eventType) {
    switch (eventType) {
    case kDeviceArrival:
        return DeviceChange::Arrival;
    case kDeviceRemoveComplete:
        return DeviceChange::RemovalComplete;
    default:
        return std::nullopt;
    }
}

void carryOutDeviceChange(DeviceChange change, bool mouseFound, DeviceChangePorts& ports) {
    if (!mouseFound) {
        ports.showDeviceEvent(kEventMouseNotFound);
        ports.hideWindow();
        return;
    }
    if (change == DeviceChange::Arrival) {
        ports.showDeviceEvent(kEventMouseFound);
        ports.greetArrivedMouse();
    }
}

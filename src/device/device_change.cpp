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

DeviceChangeSteps deviceChangeSteps(DeviceChange change, bool mouseFound, bool readerReleased) {
    DeviceChangeSteps steps;
    if (!mouseFound) {
        steps.notice = kEventMouseNotFound;
        steps.hideWindow = true;
        return steps;
    }
    if (change == DeviceChange::Arrival) {
        steps.notice = kEventMouseFound;
        steps.connectionExchange = true;
        steps.releaseReader = !readerReleased;
    }
    return steps;
}

#include "device/device_event.h"

namespace {

constexpr std::size_t kReportIdByte = 0;
constexpr std::size_t kCodeByte = 1;
constexpr std::size_t kValueByte = 3;

bool isKnownEventCode(uint8_t code) {
    return code == kEventReportRate || code == kEventDpiStage || code == kEventKeyMatrix ||
           code == kEventMacroKey;
}

} // namespace

std::optional<DeviceEvent> decodeDeviceEvent(std::span<const uint8_t> report) {
    if (report.size() <= kValueByte || report[kReportIdByte] != kDeviceEventReportId ||
        !isKnownEventCode(report[kCodeByte])) {
        return std::nullopt;
    }
    return DeviceEvent{report[kCodeByte], report[kValueByte]};
}

#pragma once

#include <cstdint>
#include <optional>
#include <span>

// One switch the mouse made with its own buttons, as passed to the main window: the event code
// (report rate 5, DPI stage 7, key matrix 8, macro key 9) and its value.
struct DeviceEvent {
    unsigned code;
    unsigned value;
};

inline constexpr uint8_t kDeviceEventReportId = 6;

// Event codes as the mouse sends them.
inline constexpr unsigned kEventReportRate = 5;
inline constexpr unsigned kEventDpiStage = 7;
inline constexpr unsigned kEventKeyMatrix = 8;
inline constexpr unsigned kEventMacroKey = 9;
// Codes the program itself sends with the device-event message when the mouse appears or disappears.
inline constexpr unsigned kEventMouseFound = 14;
inline constexpr unsigned kEventMouseNotFound = 15;

// Decodes the bytes actually read from the event interface: report ID, code, an unused byte, value.
// Another report ID, an unknown code, or a report too short to hold the value give nothing.
std::optional<DeviceEvent> decodeDeviceEvent(std::span<const uint8_t> report);

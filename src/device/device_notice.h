#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/device_config_record.h"
#include "device/device_event.h"
#include "lang/language.h"

// What the main window shows in a notification-area balloon when the mouse reports that one of its
// own buttons switched something, or when the mouse was found or lost.
struct DeviceNotice {
    std::wstring title;
    std::wstring text;
    unsigned timeoutMs;
};

// The balloon for one event code and value, or nothing when the pair carries no notice. The DPI-stage
// notice names the DPI of the stage's position in the record, read in the table of the sensor type.
std::optional<DeviceNotice> deviceNotice(unsigned code, unsigned value, const DeviceConfigRecord& record,
                                         uint8_t sensorType, const UiTexts& texts);

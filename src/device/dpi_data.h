#pragma once

#include <cstdint>

#include "config/device_config_record.h"
#include "device/device_image.h"

// The DPI block for the mouse: the four stage codes for the record's DPI positions on the given
// sensor type's scale, bit 7 set on each disabled stage, then four filler bytes 80h.
DpiData buildDpiData(const DeviceConfigRecord& record, uint8_t sensorType);

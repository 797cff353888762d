#pragma once

#include <cstdint>

#include "config/device_config_record.h"
#include "device/device_image.h"
#include "device/transport.h"

// Sends the whole record to the mouse in the fixed order of forty commands. `sensorType` is the
// type read by the last connection exchange; it selects the DPI codes. `image` is rebuilt from what
// the mouse reports and from the record. Returns whether every report went through and every reply
// was sound; the sequence runs to the end either way, so the caller saves the configuration
// (config.bin, the button labels) whatever the mouse did. On a link whose report lengths cannot
// carry the protocol nothing at all is sent.
bool applyConfiguration(Transport& transport, const DeviceConfigRecord& record, uint8_t sensorType,
                        DeviceImage& image);

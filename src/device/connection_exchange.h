#pragma once

#include <cstdint>

#include "device/device_image.h"
#include "device/transport.h"

inline constexpr uint8_t kOption2ConnectedBit = 0x40;

// Reads the mouse's sensor settings, marks bit 6 of Option2 and writes the settings back. Returns
// whether both exchanges went through; the sensor type read is in image.sensor.sensorType (zero
// when the mouse did not answer). On a link whose report lengths cannot carry the protocol nothing
// is sent and the sensor bytes are zero.
bool connectionExchange(Transport& transport, DeviceImage& image);

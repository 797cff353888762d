#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint8_t kDpiStageDisabledBit = 0x80;

// DPI stage code the mouse expects for a position on the DPI scale, by sensor type. Unknown sensor
// types, and positions past the end of the sensor's table, get code 0.
uint8_t dpiStageCode(uint8_t sensorType, uint8_t position);

// The stage byte of the DPI data: the stage code with bit 7 set when the stage is disabled.
uint8_t dpiStageByte(uint8_t sensorType, uint8_t position, bool enabled);

// The DPI text of a position as the mouse's sensor knows it (sensor types 0 to 3); empty for another
// sensor type or a position past the end of its table. Used in the DPI-stage notices.
std::wstring dpiPositionLabel(uint8_t sensorType, uint8_t position);

// The labels shown beside the DPI scales on the basic page, bottom position first. Sensor types 1 to 3
// have 8 positions; every other type shows the 12-position scale of sensor type 0.
const std::vector<std::wstring>& dpiScaleLabels(uint8_t sensorType);

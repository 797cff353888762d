#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// DPI stage codes the mouse expects for a position on the DPI scale, by sensor type. Unknown sensor
// types get code 0 for every position.
uint8_t dpiStageCode(uint8_t sensorType, uint8_t position);

// The DPI text of a position as the mouse's sensor knows it (sensor types 0 to 3); empty for another
// sensor type or a position past the end of its table. Used in the DPI-stage notices.
std::wstring dpiPositionLabel(uint8_t sensorType, uint8_t position);

// The labels shown beside the DPI scales on the basic page, bottom position first. Sensor types 1 to 3
// have 8 positions; every other type shows the 12-position scale of sensor type 0.
const std::vector<std::wstring>& dpiScaleLabels(uint8_t sensorType);

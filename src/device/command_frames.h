#pragma once

#include <cstdint>

#include "device/command_code.h"
#include "device/device_command.h"
#include "device/device_image.h"

// The frames of the mouse's command set, checksum left to the transport.

inline constexpr uint8_t kDpiStageCountParameter = kDpiStageCount;

DeviceCommand reportRateFrame(uint8_t reportIntervalCode);
DeviceCommand sensorSettingsWriteFrame(const SensorBytes& sensor);
DeviceCommand ledParameterSetWriteFrame(uint8_t setNumber, const LedParameterSet& set);
DeviceCommand lightingEffectWriteFrame(const LightingEffectBytes& effect);
DeviceCommand colorBlockWriteFrame(uint8_t blockNumber);
DeviceCommand dpiStagesWriteFrame();
DeviceCommand keyMatrixWriteFrame(uint8_t matrixNumber);
DeviceCommand macroSlotWriteFrame(uint8_t slotNumber);

// A read request: the code and the index in byte 1, every other byte zero.
DeviceCommand readFrame(CommandCode code, uint8_t index = 0);

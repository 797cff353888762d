#pragma once

#include <array>
#include <cstdint>

#include "assign/key_matrix.h"
#include "device/device_image.h"

// Everything the emulated mouse keeps in its firmware and reports back when asked.
struct MouseFirmwareState {
    SensorBytes sensor;
    uint8_t reportIntervalCode = 0;
    LightingEffectBytes lightingEffect;
    std::array<LedParameterSet, kLedParameterSetCount> ledSets{};
    std::array<ColorBlock, kColorBlockCount> colorBlocks{};
    DpiData dpiData{};
    std::array<KeyMatrix, kKeyMatrixCount> keyMatrices{};
    std::array<MacroSlotBytes, kMacroSlotCount> macroSlots{};
};

// The state of a mouse fresh from the factory with the given sensor: report rate 1000 Hz, a
// standard light, two LED parameter sets and a factory colour block 0 that the program must send
// back untouched.
MouseFirmwareState factoryFirmwareState(uint8_t sensorType);

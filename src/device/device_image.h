#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "assign/key_matrix.h"
#include "config/device_config_record.h"

inline constexpr std::size_t kLedParameterSetCount = 2;
inline constexpr std::size_t kColorBlockCount = 2;
inline constexpr std::size_t kColorBlockSize = 24;
inline constexpr std::size_t kDpiDataSize = 8;
inline constexpr std::size_t kKeyMatrixCount = 4;

// The mouse's sensor settings as it reports them: sensor type, rate and two option bytes.
struct SensorBytes {
    uint8_t sensorType = 0;
    uint8_t rate = 0;
    uint8_t option1 = 0;
    uint8_t option2 = 0;
    bool operator==(const SensorBytes&) const = default;
};

// The lighting effect as the mouse keeps it: the effect number and two option bytes.
struct LightingEffectBytes {
    uint8_t effect = 0;
    uint8_t option1 = 0;
    uint8_t option2 = 0;
    bool operator==(const LightingEffectBytes&) const = default;
};

using LedParameterSet = std::array<uint8_t, 3>;
using ColorBlock = std::array<uint8_t, kColorBlockSize>;
using DpiData = std::array<uint8_t, kDpiDataSize>;
using MacroSlotBytes = std::array<uint8_t, kMacroSlotSize>;

// Which items of a device image hold what the mouse reported in this exchange: set by a sound,
// complete reply that named the item. The other items hold zeros or what the program prepared.
struct ReadMarks {
    bool sensor = false;
    bool lightingEffect = false;
    std::array<bool, kLedParameterSetCount> ledSets{};
    std::array<bool, kColorBlockCount> colorBlocks{};
    std::array<bool, kMacroSlotCount> macroSlots{};
    bool operator==(const ReadMarks&) const = default;
};

// What the program last read from the mouse or prepared for it during one exchange. It is rebuilt
// by every exchange and never saved.
struct DeviceImage {
    SensorBytes sensor;
    LightingEffectBytes lightingEffect;
    std::array<LedParameterSet, kLedParameterSetCount> ledSets{};
    std::array<ColorBlock, kColorBlockCount> colorBlocks{};
    DpiData dpiData{};
    std::array<KeyMatrix, kKeyMatrixCount> keyMatrices{};
    std::array<MacroSlotBytes, kMacroSlotCount> macroSlots{};
    ReadMarks read;
};

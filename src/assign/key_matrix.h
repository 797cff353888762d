#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "config/device_config_record.h"

// One key-matrix entry: a type byte and three parameter bytes, in the order sent to the mouse.
// Read as a 32-bit number it is little-endian (type byte lowest).
using KeyMatrixEntry = std::array<uint8_t, 4>;

inline constexpr std::size_t kKeyMatrixEntryCount = 16;
inline constexpr std::size_t kKeyMatrixSize = kKeyMatrixEntryCount * sizeof(KeyMatrixEntry);

using KeyMatrix = std::array<KeyMatrixEntry, kKeyMatrixEntryCount>;
static_assert(sizeof(KeyMatrix) == 64);

inline uint32_t entryAsDword(const KeyMatrixEntry& entry) {
    return static_cast<uint32_t>(entry[0]) | static_cast<uint32_t>(entry[1]) << 8 |
           static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[3]) << 24;
}

// The entry of one button slot of the given key mode's assignment set.
KeyMatrixEntry EncodeButtonFunction(const DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot);

// Key matrix 1 for the active key mode: slots 0 to 7 (slots 3 and 4 exchanged), the two fixed
// entries 14 and 15, zeros elsewhere.
KeyMatrix BuildKeyMatrix(const DeviceConfigRecord& record);

// Low byte of the consumer-control usage of a multimedia list item (0 outside the list).
uint8_t MultimediaUsage(std::size_t item);

// Low byte of the usage of a Windows-function list item (0 outside the list).
uint8_t WindowsUsage(std::size_t item);

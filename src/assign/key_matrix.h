#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "assign/button_function.h"
#include "assign/consumer_usages.h"
#include "assign/matrix_entries.h"
#include "config/device_config_record.h"

inline constexpr std::size_t kKeyMatrixEntryCount = 16;
inline constexpr std::size_t kKeyMatrixSize = kKeyMatrixEntryCount * sizeof(KeyMatrixEntry);

using KeyMatrix = std::array<KeyMatrixEntry, kKeyMatrixEntryCount>;
static_assert(sizeof(KeyMatrix) == 64);

// Button slots that reach the key matrix (slots 8 to 11 are kept in the record only).
inline constexpr std::size_t kMatrixSlotCount = 8;

// The entry of one button slot of the given key mode's assignment set (set A for Mode A, set B
// for any other value). A slot past the end of the set gives the empty entry.
KeyMatrixEntry EncodeButtonFunction(const DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot);

// Key matrix 1 for the active key mode: slots 0 to 7 (slots 3 and 4 exchanged), the two fixed
// entries 14 and 15, zeros elsewhere. The active mode is the one the assignment lists edit: set B
// for any key mode byte other than 0, set A for 0.
KeyMatrix BuildKeyMatrix(const DeviceConfigRecord& record);

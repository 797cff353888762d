#include "assign/key_matrix.h"

namespace {

constexpr std::size_t kFirstFixedEntry = 14;
constexpr std::size_t kSecondFixedEntry = 15;

// The firmware's buttons 4 and 5 sit in the opposite order of the program's slots 3 and 4.
std::size_t matrixEntryOfSlot(std::size_t slot) {
    if (slot == 3) {
        return 4;
    }
    if (slot == 4) {
        return 3;
    }
    return slot;
}

} // namespace

KeyMatrixEntry EncodeButtonFunction(const DeviceConfigRecord& record, KeyMode keyMode, std::size_t slot) {
    return EncodeButtonFunction(ReadButtonFunction(record, keyMode, slot));
}

KeyMatrix BuildKeyMatrix(const DeviceConfigRecord& record) {
    const KeyMode keyMode = activeKeyMode(record);
    KeyMatrix matrix{};
    for (std::size_t slot = 0; slot < kMatrixSlotCount; ++slot) {
        matrix[matrixEntryOfSlot(slot)] = EncodeButtonFunction(record, keyMode, slot);
    }
    matrix[kFirstFixedEntry] = mouseEntry(kMouseFixedF7);
    matrix[kSecondFixedEntry] = mouseEntry(kMouseFixedF8);
    return matrix;
}

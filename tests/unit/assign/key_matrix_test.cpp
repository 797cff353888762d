#include <gtest/gtest.h>

#include <cstring>

#include "assign/key_matrix.h"

namespace {

KeyMatrix matrixOf(std::initializer_list<uint32_t> dwords) {
    KeyMatrix matrix{};
    std::size_t k = 0;
    for (const uint32_t dword : dwords) {
        matrix[k++] = {static_cast<uint8_t>(dword), static_cast<uint8_t>(dword >> 8),
                       static_cast<uint8_t>(dword >> 16), static_cast<uint8_t>(dword >> 24)};
    }
    return matrix;
}

const KeyMatrix kDefaultMatrix =
    matrixOf({0x00F00001, 0x00F10001, 0x00F20001, 0x00F30001, 0x00F40001, 0x00010007, 0x00020007, 0, 0, 0, 0,
              0, 0, 0, 0x00F70001, 0x00F80001});

DeviceConfigRecord recordFilledWith(uint8_t value) {
    DeviceConfigRecord record;
    std::memset(&record, value, sizeof record);
    return record;
}

TEST(KeyMatrixBuild, AfterDefaultInEitherKeyMode) {
    for (const uint8_t keyMode : {0, 1}) {
        DeviceConfigRecord record = recordFilledWith(0x5A);
        restoreDefaultAssignments(record);
        record.keyMode = keyMode;
        EXPECT_EQ(BuildKeyMatrix(record), kDefaultMatrix) << "key mode " << int{keyMode};
    }
}

TEST(KeyMatrixBuild, TakesTheActiveSetOnly) {
    DeviceConfigRecord record{};
    restoreDefaultAssignments(record);
    record.setB.functionIndex[0] = kRgbOnOff;
    record.setA.functionIndex[1] = kKeyOff;

    record.keyMode = 1;
    KeyMatrix modeB = kDefaultMatrix;
    modeB[0] = {0x08, 0x00, 0x03, 0x00};
    EXPECT_EQ(BuildKeyMatrix(record), modeB);

    record.keyMode = 0;
    KeyMatrix modeA = kDefaultMatrix;
    modeA[1] = kEmptyEntry;
    EXPECT_EQ(BuildKeyMatrix(record), modeA);
}

TEST(KeyMatrixBuild, AnyKeyModeOtherThanZeroSendsSetB) {
    DeviceConfigRecord record{};
    record.setA.functionIndex.fill(kMidClick);
    record.setB.functionIndex.fill(kRightClick);
    record.keyMode = 2;
    EXPECT_EQ(BuildKeyMatrix(record)[0], (KeyMatrixEntry{0x01, 0x00, 0xF1, 0x00}));
    EXPECT_EQ(&record.activeSet(), &record.setB);
}

TEST(KeyMatrixBuild, PlacesEachSlotInItsEntry) {
    // Slot n gets single key code 0x10 + n, so every entry names the slot it came from.
    DeviceConfigRecord record = recordFilledWith(0);
    for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
        record.setA.functionIndex[slot] = kSingleKey;
        record.setA.singleKeyCode[slot] = static_cast<uint8_t>(0x10 + slot);
    }
    const KeyMatrix expected =
        matrixOf({0x00100000, 0x00110000, 0x00120000, 0x00140000, 0x00130000, 0x00150000, 0x00160000,
                  0x00170000, 0, 0, 0, 0, 0, 0, 0x00F70001, 0x00F80001});
    EXPECT_EQ(BuildKeyMatrix(record), expected);
}

} // namespace

#include <gtest/gtest.h>

#include <cstring>

#include "assign/button_function.h"
#include "assign/key_matrix.h"

namespace {

struct FunctionCase {
    uint8_t index;
    ButtonFunction function;
    KeyMatrixEntry entry;
};

// Every function index, plus a damaged one: written, read back, encoded.
const FunctionCase kCases[] = {
    {0, PlainFunction{kLeftClick}, {0x01, 0x00, 0xF0, 0x00}},
    {1, PlainFunction{kRightClick}, {0x01, 0x00, 0xF1, 0x00}},
    {2, PlainFunction{kMidClick}, {0x01, 0x00, 0xF2, 0x00}},
    {3, PlainFunction{kForward}, {0x01, 0x00, 0xF4, 0x00}},
    {4, PlainFunction{kBackward}, {0x01, 0x00, 0xF3, 0x00}},
    {5, PlainFunction{kTripleClick}, {0x0A, 0xF0, 0x22, 0x03}},
    {6, DpiSwitchFunction{kDpiShift}, {0x07, 0x00, 0x04, 0x01}},
    {6, DpiSwitchFunction{kDpiLoop}, {0x07, 0x00, 0x03, 0x00}},
    {7, PlainFunction{kRgbOnOff}, {0x08, 0x00, 0x03, 0x00}},
    {8, windowsKeyFunction(10), {0x03, 0x00, 0x2A, 0x02}},
    {8, windowsKeyFunction(3), {0x03, 0x00, 0x94, 0x01}},
    {9, multimediaKeyFunction(4), {0x03, 0x00, 0xE2, 0x00}},
    {10, FireKeyFunction{54, 0xF0, 5, 0}, {0x0A, 0xF0, 0x05, 0x00}},
    {11, SingleKeyFunction{0x28}, {0x00, 0x00, 0x28, 0x00}},
    {11, SingleKeyFunction{0}, {0x00, 0x00, 0x00, 0x00}},
    {12, ComboKeyFunction{0x10, 0x04, 0x05}, {0x00, 0x10, 0x04, 0x05}},
    {13, MacroKeyFunction{0, 0}, {0x09, 0x00, 0x01, 0x00}},
    {13, MacroKeyFunction{11, 2}, {0x09, 0x02, 0x0C, 0x00}},
    {14, PlainFunction{kKeyOff}, {0x00, 0x00, 0x00, 0x00}},
    {15, PlainFunction{kUnassigned}, {0x00, 0x00, 0x00, 0x00}},
    {200, PlainFunction{200}, {0x00, 0x00, 0x00, 0x00}},
};

DeviceConfigRecord noisyRecord() {
    DeviceConfigRecord record;
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i) {
        bytes[i] = static_cast<uint8_t>(0x40 + i % 61);
    }
    return record;
}

// Whether a record offset is one of the slot's own bytes in the set of the key mode.
bool belongsToSlot(std::size_t offset, KeyMode mode, std::size_t slot) {
    const std::size_t setStart =
        mode == KeyMode::ModeA ? offsetof(DeviceConfigRecord, setA) : offsetof(DeviceConfigRecord, setB);
    const std::size_t dpiChoice = (mode == KeyMode::ModeA ? offsetof(DeviceConfigRecord, dpiSubChoiceA)
                                                          : offsetof(DeviceConfigRecord, dpiSubChoiceB)) +
                                  slot;
    const bool inSet = offset >= setStart && offset < setStart + sizeof(AssignmentSet);
    return (inSet && (offset - setStart) % kButtonSlotCount == slot) || offset == dpiChoice;
}

TEST(ButtonFunction, WrittenReadBackAndEncoded) {
    for (const FunctionCase& c : kCases) {
        for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
            for (const std::size_t slot : {std::size_t{0}, std::size_t{4}, std::size_t{11}}) {
                SCOPED_TRACE(testing::Message() << "index " << int{c.index} << " mode "
                                                << static_cast<int>(mode) << " slot " << slot);
                const DeviceConfigRecord before = noisyRecord();
                DeviceConfigRecord record = before;
                WriteButtonFunction(record, mode, slot, c.function);

                EXPECT_EQ(functionIndexOf(c.function), c.index);
                EXPECT_EQ(assignmentSetOf(record, mode).functionIndex[slot], c.index);
                EXPECT_EQ(ReadButtonFunction(record, mode, slot), c.function);
                EXPECT_EQ(EncodeButtonFunction(c.function), c.entry);
                EXPECT_EQ(EncodeButtonFunction(record, mode, slot), c.entry);
                const auto* a = reinterpret_cast<const uint8_t*>(&before);
                const auto* b = reinterpret_cast<const uint8_t*>(&record);
                for (std::size_t offset = 0; offset < sizeof record; ++offset) {
                    if (a[offset] != b[offset]) {
                        EXPECT_TRUE(belongsToSlot(offset, mode, slot)) << "offset " << offset;
                    }
                }
            }
        }
    }
}

TEST(ButtonFunction, SlotsPastTheEndAreUnassignedAndNotWritten) {
    const DeviceConfigRecord before = noisyRecord();
    DeviceConfigRecord record = before;
    WriteButtonFunction(record, KeyMode::ModeB, kButtonSlotCount, SingleKeyFunction{0x04});
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeA, kButtonSlotCount), ButtonFunction{PlainFunction{}});
}

TEST(ButtonFunction, AnyKeyModeByteButZeroSelectsModeB) {
    DeviceConfigRecord record{};
    for (const auto& [byte, mode] : {std::pair{0, KeyMode::ModeA}, std::pair{1, KeyMode::ModeB},
                                     std::pair{2, KeyMode::ModeB}, std::pair{255, KeyMode::ModeB}}) {
        record.keyMode = static_cast<uint8_t>(byte);
        EXPECT_EQ(activeKeyMode(record), mode) << byte;
    }
}

} // namespace

#include <gtest/gtest.h>

#include <vector>

#include "assign/key_matrix.h"

namespace {

// One assignment array of a set and the value a case puts into the encoded slot.
struct FieldValue {
    SlotBytes AssignmentSet::*field;
    uint8_t value;
};

struct EncodingCase {
    const char* name;
    uint8_t functionIndex;
    std::vector<FieldValue> fields;
    uint8_t dpiChoice; // the slot's DPI switch choice; 0 leaves the noise in place
    KeyMatrixEntry expected;
};

// Every array of every slot holds a distinct, recognisable value so that reading the wrong field or
// the wrong slot shows up in the entry.
DeviceConfigRecord noisyRecord() {
    DeviceConfigRecord record;
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i) {
        bytes[i] = static_cast<uint8_t>(0x40 + i % 61);
    }
    return record;
}

using S = AssignmentSet;

const EncodingCase kCases[] = {
    {"LeftClick", kLeftClick, {}, 0, {0x01, 0x00, 0xF0, 0x00}},
    {"RightClick", kRightClick, {}, 0, {0x01, 0x00, 0xF1, 0x00}},
    {"MidClick", kMidClick, {}, 0, {0x01, 0x00, 0xF2, 0x00}},
    {"Forward", kForward, {}, 0, {0x01, 0x00, 0xF4, 0x00}},
    {"Backward", kBackward, {}, 0, {0x01, 0x00, 0xF3, 0x00}},
    {"TripleClickIgnoresFireFields",
     kTripleClick,
     {{&S::fireKeyCode, 0x04}, {&S::fireKeySpeed, 9}, {&S::fireKeyTimes, 7}},
     0,
     {0x0A, 0xF0, 0x22, 0x03}},
    {"DpiUp", kDpiSwitch, {}, 1, {0x07, 0x00, 0x01, 0x00}},
    {"DpiDown", kDpiSwitch, {}, 2, {0x07, 0x00, 0x02, 0x00}},
    {"DpiLoop", kDpiSwitch, {}, 3, {0x07, 0x00, 0x03, 0x00}},
    {"ShiftDpi", kDpiSwitch, {}, 4, {0x07, 0x00, 0x04, 0x01}},
    {"RgbOnOff", kRgbOnOff, {}, 0, {0x08, 0x00, 0x03, 0x00}},
    {"WindowsCalculator",
     kWindowsFunction,
     {{&S::windowsItem, 2}, {&S::windowsUsageLow, 0x92}, {&S::windowsUsageHigh, 1}},
     0,
     {0x03, 0x00, 0x92, 0x01}},
    {"WindowsFavorites",
     kWindowsFunction,
     {{&S::windowsUsageLow, 0x2A}, {&S::windowsUsageHigh, 2}},
     0,
     {0x03, 0x00, 0x2A, 0x02}},
    {"MultimediaMute",
     kMultimedia,
     {{&S::multimediaItem, 4}, {&S::multimediaUsage, 0xE2}},
     0,
     {0x03, 0x00, 0xE2, 0x00}},
    {"FireKey",
     kFireKey,
     {{&S::fireKeyItem, 12}, {&S::fireKeyCode, 0x2C}, {&S::fireKeySpeed, 5}, {&S::fireKeyTimes, 255}},
     0,
     {0x0A, 0x2C, 0x05, 0xFF}},
    {"FireMouseButton",
     kFireKey,
     {{&S::fireKeyCode, 0xF6}, {&S::fireKeySpeed, 100}, {&S::fireKeyTimes, 0}},
     0,
     {0x0A, 0xF6, 0x64, 0x00}},
    {"SingleKey", kSingleKey, {{&S::singleKeyCode, 0x1D}}, 0, {0x00, 0x00, 0x1D, 0x00}},
    {"SingleKeyUnknownName", kSingleKey, {{&S::singleKeyCode, 0}}, 0, {0x00, 0x00, 0x00, 0x00}},
    {"ComboKey",
     kComboKey,
     {{&S::comboModifiers, 0x01}, {&S::comboFirstKey, 0x06}, {&S::comboSecondKey, 0x19}},
     0,
     {0x00, 0x01, 0x06, 0x19}},
    {"ComboKeyEmpty",
     kComboKey,
     {{&S::comboModifiers, 0}, {&S::comboFirstKey, 0}, {&S::comboSecondKey, 0}},
     0,
     {0x00, 0x00, 0x00, 0x00}},
    {"FirstMacro", kMacroKey, {{&S::macroNumber, 0}, {&S::macroRepeatMode, 2}}, 0, {0x09, 0x02, 0x01, 0x00}},
    {"LastMacro", kMacroKey, {{&S::macroNumber, 11}, {&S::macroRepeatMode, 0}}, 0, {0x09, 0x00, 0x0C, 0x00}},
    {"KeyOff", kKeyOff, {}, 0, {0x00, 0x00, 0x00, 0x00}},
    {"Unassigned", kUnassigned, {}, 0, {0x00, 0x00, 0x00, 0x00}},
    {"DamagedIndex16", 16, {}, 0, {0x00, 0x00, 0x00, 0x00}},
    {"DamagedIndex255", 255, {}, 0, {0x00, 0x00, 0x00, 0x00}},
};

class ButtonFunctionEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(ButtonFunctionEncoding, GivesTheExactEntryInEitherKeyMode) {
    const EncodingCase& c = GetParam();
    for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        for (const std::size_t slot : {std::size_t{0}, std::size_t{6}, std::size_t{11}}) {
            DeviceConfigRecord record = noisyRecord();
            const bool modeB = mode == KeyMode::ModeB;
            AssignmentSet& set = modeB ? record.setB : record.setA;
            SlotBytes& choices = modeB ? record.dpiSubChoiceB : record.dpiSubChoiceA;
            set.functionIndex[slot] = c.functionIndex;
            for (const FieldValue& f : c.fields) {
                (set.*f.field)[slot] = f.value;
            }
            if (c.dpiChoice != 0) {
                choices[slot] = c.dpiChoice;
            }
            EXPECT_EQ(EncodeButtonFunction(record, mode, slot), c.expected)
                << "mode " << static_cast<int>(mode) << " slot " << slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFunctions, ButtonFunctionEncoding, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });

TEST(ButtonFunctionEncodingSets, ReadsOnlyTheRequestedSet) {
    DeviceConfigRecord record{};
    record.setA.functionIndex[2] = kMacroKey;
    record.setA.macroNumber[2] = 4;
    record.setB.functionIndex[2] = kDpiSwitch;
    record.dpiSubChoiceA[2] = 1;
    record.dpiSubChoiceB[2] = 3;
    EXPECT_EQ(EncodeButtonFunction(record, KeyMode::ModeA, 2), (KeyMatrixEntry{0x09, 0x00, 0x05, 0x00}));
    EXPECT_EQ(EncodeButtonFunction(record, KeyMode::ModeB, 2), (KeyMatrixEntry{0x07, 0x00, 0x03, 0x00}));
}

TEST(ButtonFunctionEncodingSets, SlotPastTheSetIsEmpty) {
    DeviceConfigRecord record = noisyRecord();
    record.setA.functionIndex.fill(kLeftClick);
    record.setB.functionIndex.fill(kLeftClick);
    for (const std::size_t slot : {kButtonSlotCount, kButtonSlotCount + 1, std::size_t{1000}}) {
        EXPECT_EQ(EncodeButtonFunction(record, KeyMode::ModeA, slot), kEmptyEntry);
        EXPECT_EQ(EncodeButtonFunction(record, KeyMode::ModeB, slot), kEmptyEntry);
    }
}

TEST(MatrixEntryDword, IsLittleEndian) {
    EXPECT_EQ(entryAsDword({0x01, 0x00, 0xF0, 0x00}), 0x00F00001u);
    EXPECT_EQ(entryAsDword({0x0A, 0xF0, 0x22, 0x03}), 0x0322F00Au);
    EXPECT_EQ(entryAsDword({0x07, 0x00, 0x04, 0x01}), 0x01040007u);
}

} // namespace

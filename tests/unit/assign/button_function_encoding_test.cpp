#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "assign/key_matrix.h"

namespace {

using Fill = std::function<void(AssignmentSet&, SlotBytes& dpiChoices, std::size_t slot)>;

struct EncodingCase {
    const char* name;
    uint8_t functionIndex;
    Fill fill;
    KeyMatrixEntry expected;
};

void noFields(AssignmentSet&, SlotBytes&, std::size_t) {}

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

const EncodingCase kCases[] = {
    {"LeftClick", kLeftClick, noFields, {0x01, 0x00, 0xF0, 0x00}},
    {"RightClick", kRightClick, noFields, {0x01, 0x00, 0xF1, 0x00}},
    {"MidClick", kMidClick, noFields, {0x01, 0x00, 0xF2, 0x00}},
    {"Forward", kForward, noFields, {0x01, 0x00, 0xF4, 0x00}},
    {"Backward", kBackward, noFields, {0x01, 0x00, 0xF3, 0x00}},
    {"TripleClickIgnoresFireFields",
     kTripleClick,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.fireKeyCode[n] = 0x04;
         s.fireKeySpeed[n] = 9;
         s.fireKeyTimes[n] = 7;
     },
     {0x0A, 0xF0, 0x22, 0x03}},
    {"DpiUp",
     kDpiSwitch,
     [](AssignmentSet&, SlotBytes& c, std::size_t n) { c[n] = 1; },
     {0x07, 0x00, 0x01, 0x00}},
    {"DpiDown",
     kDpiSwitch,
     [](AssignmentSet&, SlotBytes& c, std::size_t n) { c[n] = 2; },
     {0x07, 0x00, 0x02, 0x00}},
    {"DpiLoop",
     kDpiSwitch,
     [](AssignmentSet&, SlotBytes& c, std::size_t n) { c[n] = 3; },
     {0x07, 0x00, 0x03, 0x00}},
    {"ShiftDpi",
     kDpiSwitch,
     [](AssignmentSet&, SlotBytes& c, std::size_t n) { c[n] = 4; },
     {0x07, 0x00, 0x04, 0x01}},
    {"RgbOnOff", kRgbOnOff, noFields, {0x08, 0x00, 0x03, 0x00}},
    {"WindowsCalculator",
     kWindowsFunction,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.windowsItem[n] = 2;
         s.windowsUsageLow[n] = 0x92;
         s.windowsUsageHigh[n] = 1;
     },
     {0x03, 0x00, 0x92, 0x01}},
    {"WindowsBrowserFavorites",
     kWindowsFunction,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.windowsUsageLow[n] = 0x2A;
         s.windowsUsageHigh[n] = 2;
     },
     {0x03, 0x00, 0x2A, 0x02}},
    {"MultimediaMute",
     kMultimedia,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.multimediaItem[n] = 4;
         s.multimediaUsage[n] = 0xE2;
     },
     {0x03, 0x00, 0xE2, 0x00}},
    {"FireKey",
     kFireKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.fireKeyItem[n] = 12;
         s.fireKeyCode[n] = 0x2C;
         s.fireKeySpeed[n] = 5;
         s.fireKeyTimes[n] = 255;
     },
     {0x0A, 0x2C, 0x05, 0xFF}},
    {"FireKeyMouseButton",
     kFireKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.fireKeyCode[n] = 0xF6;
         s.fireKeySpeed[n] = 100;
         s.fireKeyTimes[n] = 0;
     },
     {0x0A, 0xF6, 0x64, 0x00}},
    {"SingleKey",
     kSingleKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) { s.singleKeyCode[n] = 0x1D; },
     {0x00, 0x00, 0x1D, 0x00}},
    {"SingleKeyUnknownName",
     kSingleKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) { s.singleKeyCode[n] = 0; },
     {0x00, 0x00, 0x00, 0x00}},
    {"ComboKey",
     kComboKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.comboModifiers[n] = 0x01;
         s.comboFirstKey[n] = 0x06;
         s.comboSecondKey[n] = 0x19;
     },
     {0x00, 0x01, 0x06, 0x19}},
    {"ComboKeyEmpty",
     kComboKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.comboModifiers[n] = 0;
         s.comboFirstKey[n] = 0;
         s.comboSecondKey[n] = 0;
     },
     {0x00, 0x00, 0x00, 0x00}},
    {"FirstMacro",
     kMacroKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.macroNumber[n] = 0;
         s.macroRepeatMode[n] = 2;
     },
     {0x09, 0x02, 0x01, 0x00}},
    {"LastMacro",
     kMacroKey,
     [](AssignmentSet& s, SlotBytes&, std::size_t n) {
         s.macroNumber[n] = 11;
         s.macroRepeatMode[n] = 0;
     },
     {0x09, 0x00, 0x0C, 0x00}},
    {"KeyOff", kKeyOff, noFields, {0x00, 0x00, 0x00, 0x00}},
    {"Unassigned", kUnassigned, noFields, {0x00, 0x00, 0x00, 0x00}},
    {"DamagedIndex16", 16, noFields, {0x00, 0x00, 0x00, 0x00}},
    {"DamagedIndex255", 255, noFields, {0x00, 0x00, 0x00, 0x00}},
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
            c.fill(set, choices, slot);
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

#include <gtest/gtest.h>

#include <cstring>

#include "config/device_config_record.h"

namespace {

const uint8_t* bytesOf(const DeviceConfigRecord& record) { return reinterpret_cast<const uint8_t*>(&record); }

DeviceConfigRecord filledRecord(uint8_t value) {
    DeviceConfigRecord record;
    std::memset(&record, value, sizeof record);
    return record;
}

TEST(DeviceConfigRecord, FieldsLieAtTheirRecordOffsets) {
    DeviceConfigRecord record{};
    struct Case {
        uint8_t* field;
        std::size_t offset;
    };
    const Case cases[] = {
        {&record.setA.functionIndex[0], 0x0000},     {&record.setA.fireKeySpeed[3], 0x0063},
        {&record.setB.functionIndex[4], 0x00C4},     {&record.setB.macroRepeatMode[11], 0x017F},
        {&record.macroSlots[0].loopCountBigEndian[0], 0x0180}, {&record.macroSlots[11].events[125], 0x077F},
        {&record.reportIntervalCode, 0x0785},        {&record.dpiPosition[3], 0x078A},
        {&record.dpiStageEnabled[0], 0x078B},        {&record.stageColor[3].green, 0x079A},
        {&record.lightingMode, 0x079B},              {&record.standardColorEffect, 0x079F},
        {&record.scrollOneScreen, 0x07A4},           {&record.scrollLines, 0x07A6},
        {&record.keyMode, 0x07A8},                   {&record.dpiSubChoiceA[0], 0x07A9},
        {&record.dpiSubChoiceB[11], 0x07C0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<std::size_t>(c.field - reinterpret_cast<uint8_t*>(&record)), c.offset);
    }
}

TEST(DeviceConfigRecord, MacroLoopCountIsBigEndian) {
    MacroSlot slot{};
    slot.setLoopCount(300);
    EXPECT_EQ(slot.loopCountBigEndian[0], 0x01);
    EXPECT_EQ(slot.loopCountBigEndian[1], 0x2C);
    EXPECT_EQ(slot.loopCount(), 300);
    slot.setLoopCount(65535);
    EXPECT_EQ(slot.loopCount(), 65535);
}

TEST(DeviceConfigRecord, DefaultAssignmentsTouchOnlyFunctionsAndTwoDpiChoicesPerSet) {
    for (uint8_t keyMode : {0, 1}) {
        DeviceConfigRecord record = filledRecord(0x5A);
        record.keyMode = keyMode;
        const DeviceConfigRecord before = record;
        restoreDefaultAssignments(record);

        const SlotBytes expected = {0, 1, 2, 3, 4, 6, 6, 15, 15, 15, 15, 15};
        EXPECT_EQ(record.setA.functionIndex, expected);
        EXPECT_EQ(record.setB.functionIndex, expected);
        EXPECT_EQ(record.dpiSubChoiceA[5], 1);
        EXPECT_EQ(record.dpiSubChoiceA[6], 2);
        EXPECT_EQ(record.dpiSubChoiceB[5], 1);
        EXPECT_EQ(record.dpiSubChoiceB[6], 2);
        EXPECT_EQ(record.keyMode, keyMode);

        std::size_t changed = 0;
        for (std::size_t i = 0; i < kDeviceConfigRecordSize; ++i) {
            changed += bytesOf(record)[i] != bytesOf(before)[i];
        }
        EXPECT_EQ(changed, 24u + 4u);
    }
}

TEST(DeviceConfigRecord, ActiveSetFollowsKeyMode) {
    DeviceConfigRecord record{};
    record.keyMode = 1;
    record.activeSet().functionIndex[2] = kMacroKey;
    record.activeDpiSubChoice()[2] = 3;
    EXPECT_EQ(record.setB.functionIndex[2], kMacroKey);
    EXPECT_EQ(record.setA.functionIndex[2], 0);
    EXPECT_EQ(record.dpiSubChoiceB[2], 3);
    EXPECT_EQ(record.dpiSubChoiceA[2], 0);
}

} // namespace

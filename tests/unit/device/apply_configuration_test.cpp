#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "apply_harness.h"
#include "assign/key_matrix.h"
#include "common/debug_log.h"
#include "device/connection_exchange.h"

namespace {

using std::chrono::milliseconds;

std::vector<std::string> commandCodes(const std::vector<std::string>& trace) {
    std::vector<std::string> codes;
    for (const std::string& line : trace) {
        if (line.rfind("set-feature ", 0) == 0) {
            codes.push_back(line.substr(15, 5));
        }
    }
    return codes;
}

TEST(ApplyConfiguration, SendsFortyCommandsSeventeenReadsAndFiftyNineChunksInOrder) {
    ApplyHarness harness;
    EXPECT_TRUE(applyConfiguration(harness.transport, sampleRecord(), 1, harness.image).taken());

    EXPECT_EQ(harness.count("set-feature"), 40u);
    EXPECT_EQ(harness.count("get-feature"), 17u);
    EXPECT_EQ(harness.count("write"), 59u);
    EXPECT_EQ(harness.count("read"), 2u * 1 + 12u * 4);

    std::vector<std::string> expected = {"01 04", "8d 00", "87 00", "87 01", "90 00", "90 01",
                                         "10 00", "10 01", "07 00", "07 01", "0d 02", "11 04"};
    for (int slot = 1; slot <= 12; ++slot) {
        char code[6];
        std::snprintf(code, sizeof code, "13 %02x", slot);
        expected.push_back(code);
    }
    for (int slot = 1; slot <= 12; ++slot) {
        char code[6];
        std::snprintf(code, sizeof code, "93 %02x", slot);
        expected.push_back(code);
    }
    for (const char* matrix : {"12 01", "12 02", "12 03", "12 04"}) {
        expected.push_back(matrix);
    }
    EXPECT_EQ(commandCodes(harness.trace), expected);
    // The request for LED set 1 carries nothing of the reply to set 0.
    EXPECT_EQ(harness.count("set-feature 00 87 01 00 00 00 00 00 77"), 1u);
}

TEST(ApplyConfiguration, PausesThreeMillisecondsAfterEachChunkAndTwoAfterPairedCommands) {
    ApplyHarness harness;
    applyConfiguration(harness.transport, sampleRecord(), 1, harness.image);
    const auto& pauses = harness.recorder.pauses();
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), milliseconds(3)), 59);
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), milliseconds(2)), 36);
    EXPECT_EQ(pauses.size(), 95u);
    EXPECT_EQ(harness.recorder.total(), milliseconds(249));

    // Each chunk is followed by its own pause; the command's pause comes after its last chunk.
    for (std::size_t i = 0; i < harness.trace.size(); ++i) {
        if (harness.trace[i].rfind("write ", 0) == 0) {
            ASSERT_LT(i + 1, harness.trace.size());
            EXPECT_EQ(harness.trace[i + 1], "sleep 3") << i;
        }
    }
    const auto macroSlot1 =
        std::find(harness.trace.begin(), harness.trace.end(), "set-feature 00 13 01 80 00 00 00 00 6b");
    ASSERT_NE(macroSlot1, harness.trace.end());
    const std::vector<std::string> afterSlot1(macroSlot1 + 1, macroSlot1 + 10);
    const std::vector<std::string> shape = {"write",   "sleep 3", "write",   "sleep 3", "write",
                                            "sleep 3", "write",   "sleep 3", "sleep 2"};
    for (std::size_t i = 0; i < shape.size(); ++i) {
        EXPECT_EQ(afterSlot1[i].substr(0, shape[i].size()), shape[i]);
    }
}

TEST(ApplyConfiguration, MouseEndsUpHoldingTheRecord) {
    ApplyHarness harness;
    const DeviceConfigRecord record = sampleRecord();
    for (KeyMatrix& matrix : harness.mouse.state().keyMatrices) {
        matrix.fill(KeyMatrixEntry{0xFF, 0xFF, 0xFF, 0xFF});
    }
    const MouseFirmwareState before = harness.mouse.state();
    applyConfiguration(harness.transport, record, 1, harness.image);
    const MouseFirmwareState& after = harness.mouse.state();

    EXPECT_EQ(after.reportIntervalCode, 4);
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        EXPECT_EQ(std::memcmp(after.macroSlots[slot].data(), &record.macroSlots[slot], kMacroSlotSize), 0)
            << slot;
    }
    EXPECT_EQ(after.keyMatrices[0], BuildKeyMatrix(record));
    EXPECT_EQ(after.keyMatrices[0][0], (KeyMatrixEntry{0x09, 0x01, 0x03, 0x00})) << "set B is the active one";
    for (std::size_t matrix = 1; matrix < kKeyMatrixCount; ++matrix) {
        EXPECT_EQ(after.keyMatrices[matrix], KeyMatrix{}) << matrix;
    }
    EXPECT_EQ(after.dpiData, (DpiData{0x05, 0xA5, 0x01, 0x03, 0x80, 0x80, 0x80, 0x80}));
    const ColorBlock stageColors = {0x10, 0x20, 0x30, 0x11, 0x21, 0x31, 0x12, 0x22, 0x32, 0x13, 0x23, 0x33};
    EXPECT_EQ(after.colorBlocks[1], stageColors);
    EXPECT_EQ(after.colorBlocks[0], before.colorBlocks[0]) << "colour block 0 goes back as read";
    EXPECT_EQ(after.lightingEffect, (LightingEffectBytes{0x02, 0x05, 0x03}));
    EXPECT_EQ(after.ledSets[0], (LedParameterSet{0x02, 0xFA, 0x03}));
    EXPECT_EQ(after.ledSets[1], before.ledSets[1]) << "LED set 1 goes back as read";
    EXPECT_EQ(after.sensor, before.sensor) << "Apply does not touch the sensor settings";
}

TEST(ApplyConfiguration, MacroSlotsReadBackIntoTheImage) {
    ApplyHarness harness;
    const DeviceConfigRecord record = sampleRecord();
    applyConfiguration(harness.transport, record, 1, harness.image);
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        EXPECT_EQ(harness.image.macroSlots[slot], harness.mouse.state().macroSlots[slot]) << slot;
    }
}

TEST(ApplyConfiguration, LightingModeOffSendsTheMouseItsOwnLightingBack) {
    ApplyHarness harness;
    DeviceConfigRecord record = sampleRecord();
    record.lightingMode = 0;
    const MouseFirmwareState before = harness.mouse.state();
    applyConfiguration(harness.transport, record, 1, harness.image);
    EXPECT_EQ(harness.mouse.state().lightingEffect, before.lightingEffect);
    EXPECT_EQ(harness.mouse.state().ledSets, before.ledSets);
    EXPECT_EQ(harness.count("set-feature 00 0d"), 1u);
    EXPECT_EQ(harness.count("set-feature 00 07"), 2u);
}

TEST(ApplyConfiguration, LogsTheLightingEffectAndEachKeyMatrix) {
    std::vector<std::wstring> lines;
    setDebugLogSink([&lines](const std::wstring& line) { lines.push_back(line); });
    ApplyHarness harness;
    DeviceConfigRecord record = sampleRecord();
    record.keyMode = 0;
    applyConfiguration(harness.transport, record, 1, harness.image);
    setDebugLogSink(nullptr);

    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], L"Effect:01\n,Option1:0a\n,Option2:02\n");
    EXPECT_EQ(lines[1], L"Write KeyMatrix[1]:\n00f00001\n 00f10001\n 00f20001\n 00f30001\n 00f40001\n"
                        L" 00010007\n 00020007\n 00000000\n 00000000\n 00000000\n 00000000\n 00000000\n"
                        L" 00000000\n 00000000\n 00f70001\n 00f80001\n");
    EXPECT_EQ(lines[4].substr(0, 20), L"Write KeyMatrix[4]:\n");
}

TEST(ConnectionExchange, ReadsTheSensorAndWritesItBackWithOption2Marked) {
    std::vector<std::wstring> lines;
    setDebugLogSink([&lines](const std::wstring& line) { lines.push_back(line); });
    ApplyHarness harness(3);
    harness.mouse.state().sensor = SensorBytes{3, 0x01, 0x11, 0x02};
    EXPECT_TRUE(connectionExchange(harness.transport, harness.image));
    setDebugLogSink(nullptr);

    EXPECT_EQ(harness.image.sensor.sensorType, 3);
    EXPECT_EQ(harness.mouse.state().sensor, (SensorBytes{3, 0x01, 0x11, 0x42}));
    const std::vector<std::string> expected = {"set-feature 00 83 00 00 00 00 00 00 7c",
                                               "get-feature 00 83 03 01 11 02 00 00 65",
                                               "set-feature 00 03 03 01 11 42 00 00 a5"};
    EXPECT_EQ(harness.trace, expected);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"Sensor Type:03\n,,Rate:01\n,Option1:11\n,Option2:02\n");
}

} // namespace

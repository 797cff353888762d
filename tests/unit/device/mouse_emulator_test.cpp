#include <gtest/gtest.h>

#include <thread>

#include "apply_harness.h"
#include "device/command_frames.h"
#include "device/device_exchanges.h"

namespace {

using std::chrono::milliseconds;

TEST(MouseEmulator, ReportsTheCommandInterfaceLengths) {
    MouseEmulator mouse;
    EXPECT_EQ(mouse.featureLength(), 9);
    EXPECT_EQ(mouse.inputLength(), 33);
    EXPECT_EQ(mouse.outputLength(), 33);
}

TEST(MouseEmulator, MacroSlotReadsBackWhatWasWritten) {
    ApplyHarness harness;
    for (uint8_t slot : {uint8_t{1}, uint8_t{7}, uint8_t{12}}) {
        MacroSlotBytes written{};
        for (std::size_t i = 0; i < written.size(); ++i) {
            written[i] = static_cast<uint8_t>(slot * 3 + i * 5);
        }
        harness.image.macroSlots[slot - 1u] = written;
        writeMacroSlot(harness.transport, harness.image, slot);
        harness.image.macroSlots[slot - 1u] = {};
        EXPECT_TRUE(readMacroSlot(harness.transport, harness.image, slot));
        EXPECT_EQ(harness.image.macroSlots[slot - 1u], written) << int{slot};
    }
}

TEST(MouseEmulator, AnswersEachReadFromItsState) {
    ApplyHarness harness;
    MouseFirmwareState& state = harness.mouse.state();
    state.lightingEffect = {0x03, 0x10, 0x04};
    state.ledSets[1] = {0xA1, 0xA2, 0xA3};
    state.colorBlocks[1].fill(0x5C);
    DeviceImage& image = harness.image;
    readLightingEffect(harness.transport, image);
    readLedParameterSet(harness.transport, image, 1);
    readColorBlock(harness.transport, image, 1);
    EXPECT_EQ(image.lightingEffect, state.lightingEffect);
    EXPECT_EQ(image.ledSets[1], state.ledSets[1]);
    EXPECT_EQ(image.colorBlocks[1], state.colorBlocks[1]);
}

TEST(MouseEmulator, IgnoresAFrameWithAWrongChecksum) {
    MouseEmulator mouse;
    const uint8_t before = mouse.state().reportIntervalCode;
    DeviceCommand frame = sealed(reportRateFrame(8));
    frame[7] ^= 0xFF;
    std::vector<uint8_t> report(9, 0);
    std::copy(frame.bytes.begin(), frame.bytes.end(), report.begin() + 1);
    EXPECT_TRUE(mouse.setFeature(report));
    EXPECT_EQ(mouse.state().reportIntervalCode, before);
}

TEST(MouseEmulator, UnpluggedMouseFailsEveryCallUntilPluggedInAgain) {
    MouseEmulator mouse(1);
    mouse.state().reportIntervalCode = 8;
    mouse.unplug();
    std::vector<uint8_t> report(33, 0);
    EXPECT_FALSE(mouse.setFeature(std::span(report).first(9)));
    EXPECT_FALSE(mouse.getFeature(std::span(report).first(9)));
    EXPECT_FALSE(mouse.writeOutput(report));
    EXPECT_FALSE(mouse.readInput(report, milliseconds(1)));
    mouse.plugIn(2);
    EXPECT_TRUE(mouse.setFeature(std::span(report).first(9)));
    EXPECT_EQ(mouse.state().sensor.sensorType, 2);
    EXPECT_EQ(mouse.state().reportIntervalCode, 8) << "the mouse keeps what it stored";
}

TEST(MouseEmulator, ReadWithNothingToDeliverWaitsOutItsTimeOut) {
    MouseEmulator mouse;
    RecordingPacer waits;
    mouse.setTimeoutWaiter(waits);
    std::vector<uint8_t> report(33, 0);
    EXPECT_FALSE(mouse.readInput(report, milliseconds(250)));
    mouse.unplug();
    EXPECT_FALSE(mouse.readInput(report, milliseconds(250)));
    EXPECT_EQ(waits.pauses(), std::vector<milliseconds>{milliseconds(250)})
        << "a mouse that is gone fails at once";
}

TEST(MouseEmulator, UnplugAfterFaultTellsOnceThatTheMouseWentAway) {
    MouseEmulator mouse;
    EmulatorFaults faults;
    faults.unplugAfterReports = 2;
    mouse.setFaults(faults);
    int notices = 0;
    mouse.setFaultUnplugNotice([&notices] { ++notices; });
    std::vector<uint8_t> report(9, 0);
    EXPECT_TRUE(mouse.setFeature(report));
    EXPECT_TRUE(mouse.setFeature(report));
    EXPECT_FALSE(mouse.setFeature(report));
    EXPECT_FALSE(mouse.setFeature(report));
    EXPECT_EQ(notices, 1);
}

TEST(MouseEmulator, QueuedDeviceEventsArriveInOrderAsEventReports) {
    MouseEmulator mouse;
    mouse.queueDeviceEvent(7, 3);
    mouse.queueDeviceEvent(5, 8);
    std::vector<uint8_t> report(MouseEmulator::kEventReportLength, 0xFF);
    ASSERT_TRUE(mouse.readDeviceEvent(report, milliseconds(0)));
    EXPECT_EQ(report, (std::vector<uint8_t>{0x06, 0x07, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00}));
    ASSERT_TRUE(mouse.readDeviceEvent(report, milliseconds(0)));
    EXPECT_EQ(report[1], 5);
    EXPECT_EQ(report[3], 8);
    EXPECT_FALSE(mouse.readDeviceEvent(report, milliseconds(1)));
}

TEST(MouseEmulator, WaitingEventReaderWakesForAnEventFromAnotherThread) {
    MouseEmulator mouse;
    std::thread sender([&mouse] {
        std::this_thread::sleep_for(milliseconds(20));
        mouse.queueDeviceEvent(9, 12);
    });
    std::vector<uint8_t> report(MouseEmulator::kEventReportLength, 0);
    EXPECT_TRUE(mouse.readDeviceEvent(report, milliseconds(5000)));
    sender.join();
    EXPECT_EQ(report[3], 12);
}

TEST(MouseEmulator, UnplugWakesAWaitingEventReader) {
    MouseEmulator mouse;
    std::thread unplugger([&mouse] {
        std::this_thread::sleep_for(milliseconds(20));
        mouse.unplug();
    });
    std::vector<uint8_t> report(MouseEmulator::kEventReportLength, 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(mouse.readDeviceEvent(report, milliseconds(5000)));
    unplugger.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(4000));
}

} // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "apply_harness.h"
#include "assign/key_matrix.h"
#include "device/connection_exchange.h"
#include "device/device_exchanges.h"

namespace {

TEST(MisbehavingMouse, MacroSlotReplyAnnouncing255BytesFillsOnlyItsSlot) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.announcedLength = 0xFF;
    harness.mouse.setFaults(faults);
    const DeviceConfigRecord record = sampleRecord();
    EXPECT_TRUE(applyConfiguration(harness.transport, record, 1, harness.image).taken());
    EXPECT_EQ(harness.count("read"), 2u * 8 + 12u * 8) << "all announced chunks are drained";
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        EXPECT_EQ(
            std::memcmp(harness.image.macroSlots[slot].data(), &record.macroSlots[slot], kMacroSlotSize), 0);
    }
    EXPECT_EQ(harness.count("set-feature"), 40u);
}

TEST(MisbehavingMouse, ColourBlockReplyLongerThan24BytesKeepsOnly24) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.announcedLength = 0x40;
    harness.mouse.setFaults(faults);
    const ColorBlock factoryBlock0 = harness.mouse.state().colorBlocks[0];
    DeviceImage& image = harness.image;
    EXPECT_TRUE(readColorBlock(harness.transport, image, 0));
    EXPECT_EQ(image.colorBlocks[0], factoryBlock0);
    EXPECT_EQ(image.colorBlocks[1], ColorBlock{}) << "the neighbouring block is untouched";
}

TEST(MisbehavingMouse, AnnouncedDataThatNeverComesCostsOneTimeOutPerRead) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.announcedLength = 0xFF;
    faults.chunksSent = 1;
    harness.mouse.setFaults(faults);
    EXPECT_FALSE(applyConfiguration(harness.transport, sampleRecord(), 1, harness.image).taken());
    EXPECT_EQ(harness.count("read failed"), 14u);
    EXPECT_EQ(harness.count("read 00"), 14u);
    EXPECT_EQ(harness.count("set-feature"), 39u)
        << "the sequence still runs to the end, without colour block 0 that did not arrive whole";
    for (const MacroSlotBytes& slot : harness.image.macroSlots) {
        EXPECT_TRUE(std::all_of(slot.begin() + 32, slot.end(), [](uint8_t b) { return b == 0; }))
            << "what was not received reads as zeros";
    }
}

TEST(MisbehavingMouse, RepliesNamingAnUnknownSetBlockOrSlotAreDropped) {
    for (uint8_t number : {uint8_t{2}, uint8_t{0x0D}, uint8_t{0xFF}}) {
        ApplyHarness harness;
        EmulatorFaults faults;
        faults.replyNumber = number;
        harness.mouse.setFaults(faults);
        DeviceImage& image = harness.image;
        image.ledSets = {LedParameterSet{1, 2, 3}, LedParameterSet{4, 5, 6}};
        const DeviceImage before = image;
        readLedParameterSet(harness.transport, image, 0);
        readLedParameterSet(harness.transport, image, 1);
        readColorBlock(harness.transport, image, 1);
        readMacroSlot(harness.transport, image, 12);
        EXPECT_EQ(image.ledSets, before.ledSets) << int{number};
        EXPECT_EQ(image.colorBlocks, before.colorBlocks) << int{number};
        EXPECT_EQ(image.macroSlots, before.macroSlots) << int{number};
    }
}

TEST(MisbehavingMouse, ReplyIsStoredWhereItsOwnNumberSays) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.replyNumber = 1;
    harness.mouse.setFaults(faults);
    harness.mouse.state().ledSets[0] = LedParameterSet{7, 8, 9};
    readLedParameterSet(harness.transport, harness.image, 0);
    EXPECT_EQ(harness.image.ledSets[1], (LedParameterSet{7, 8, 9}));
    EXPECT_EQ(harness.image.ledSets[0], LedParameterSet{});
}

TEST(MisbehavingMouse, SilentMouseGivesZerosAndTheFailureIsReported) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.silentReplies = true;
    harness.mouse.setFaults(faults);
    EXPECT_FALSE(connectionExchange(harness.transport, harness.image));
    EXPECT_EQ(harness.image.sensor, (SensorBytes{0, 0, 0, 0x40}));
    EXPECT_FALSE(applyConfiguration(harness.transport, sampleRecord(), 1, harness.image).taken());
    EXPECT_EQ(harness.image.lightingEffect, (LightingEffectBytes{0x02, 0x05, 0x03})) << "the record's choice";
    EXPECT_EQ(harness.count("read"), 0u);
}

TEST(MisbehavingMouse, UnpluggedMidSequenceEveryLaterCallFails) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.unplugAfterReports = 30;
    harness.mouse.setFaults(faults);
    EXPECT_FALSE(applyConfiguration(harness.transport, sampleRecord(), 1, harness.image).taken());
    EXPECT_FALSE(harness.mouse.pluggedIn());
    const auto firstFailure =
        std::find_if(harness.trace.begin(), harness.trace.end(),
                     [](const std::string& line) { return line.find("failed") != std::string::npos; });
    ASSERT_NE(firstFailure, harness.trace.end());
    EXPECT_EQ(std::count_if(harness.trace.begin(), firstFailure,
                            [](const std::string& line) { return line.rfind("sleep", 0) != 0; }),
              30);
    for (auto line = firstFailure; line != harness.trace.end(); ++line) {
        const bool isReport = line->rfind("sleep", 0) != 0;
        EXPECT_TRUE(!isReport || line->find("failed") != std::string::npos) << *line;
    }
}

TEST(MisbehavingMouse, ReportLengthsTooShortAreRefusedWithoutTouchingTheDevice) {
    struct Case {
        const char* name;
        EmulatorFaults faults;
        std::size_t featureReports;
        std::size_t dataReports;
    };
    EmulatorFaults shortFeature;
    shortFeature.featureLength = 8;
    EmulatorFaults shortOutput;
    shortOutput.outputLength = 32;
    EmulatorFaults shortInput;
    shortInput.inputLength = 9;
    const Case cases[] = {
        {"feature report of 8 bytes", shortFeature, 0, 0},
        {"output report of 32 bytes", shortOutput, 0, 0},
        {"input report of 9 bytes", shortInput, 0, 0},
    };
    for (const Case& c : cases) {
        ApplyHarness harness;
        harness.mouse.setFaults(c.faults);
        EXPECT_FALSE(applyConfiguration(harness.transport, sampleRecord(), 1, harness.image).taken())
            << c.name;
        EXPECT_EQ(harness.count("set-feature") + harness.count("get-feature"), c.featureReports) << c.name;
        EXPECT_EQ(harness.count("write") + harness.count("read"), c.dataReports) << c.name;
        EXPECT_FALSE(connectionExchange(harness.transport, harness.image)) << c.name;
        EXPECT_EQ(harness.mouse.reportCount(), 0u) << c.name;
    }
}

TEST(MisbehavingMouse, MouseThatStopsSendingCostsOneTimeOutPerApply) {
    ApplyHarness harness;
    EmulatorFaults faults;
    faults.silentInput = true;
    harness.mouse.setFaults(faults);
    Transport transport(harness.port, harness.pacer, std::chrono::milliseconds(250));
    EXPECT_FALSE(applyConfiguration(transport, sampleRecord(), 1, harness.image).taken());
    EXPECT_EQ(harness.count("read failed"), 14u) << "every data read is still made";
    EXPECT_EQ(harness.timeouts.total(), std::chrono::milliseconds(250));
    EXPECT_EQ(harness.count("set-feature"), 39u);
    EXPECT_EQ(harness.count("write 00"), 58u)
        << "the mouse still gets the whole configuration but colour block 0, which could not be read";
    EXPECT_EQ(harness.mouse.state().keyMatrices[0], BuildKeyMatrix(sampleRecord()));
}

TEST(MisbehavingMouse, GarbledOrForeignRepliesAreFailedReads) {
    struct Case {
        const char* name;
        EmulatorFaults faults;
        bool accepted;
    };
    EmulatorFaults badChecksum;
    badChecksum.badChecksum = true;
    EmulatorFaults otherCommand;
    otherCommand.replyCode = 0x03;
    EmulatorFaults noEcho;
    noEcho.replyCode = 0x00;
    const Case cases[] = {
        {"wrong checksum", badChecksum, false},
        {"code of another command", otherCommand, false},
        {"code that is no command", noEcho, true},
    };
    for (const Case& c : cases) {
        ApplyHarness harness;
        harness.mouse.setFaults(c.faults);
        harness.mouse.state().ledSets[1] = {0xA1, 0xA2, 0xA3};
        DeviceImage& image = harness.image;
        image.lightingEffect = {9, 9, 9};
        EXPECT_EQ(readLightingEffect(harness.transport, image), c.accepted) << c.name;
        EXPECT_EQ(readLedParameterSet(harness.transport, image, 1), c.accepted) << c.name;
        EXPECT_EQ(readMacroSlot(harness.transport, image, 2), c.accepted) << c.name;
        const LightingEffectBytes effect =
            c.accepted ? harness.mouse.state().lightingEffect : LightingEffectBytes{};
        EXPECT_EQ(image.lightingEffect, effect) << c.name;
        const LedParameterSet set1 = c.accepted ? LedParameterSet{0xA1, 0xA2, 0xA3} : LedParameterSet{};
        EXPECT_EQ(image.ledSets[1], set1) << c.name;
        EXPECT_EQ(harness.count("read 00"), 4u) << c.name << ": the announced chunks are taken off";
    }
}

} // namespace

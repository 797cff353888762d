#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "apply_harness.h"
#include "device/apply_outcome.h"
#include "device/emulator/emulator_fault_names.h"

namespace {

using Result = ApplyOutcome::Result;

std::vector<DeviceStep> numbered(CommandCode code, unsigned first, unsigned last) {
    std::vector<DeviceStep> steps;
    for (unsigned number = first; number <= last; ++number) {
        steps.push_back({code, static_cast<uint8_t>(number)});
    }
    return steps;
}

std::vector<DeviceStep> joined(std::initializer_list<std::vector<DeviceStep>> parts) {
    std::vector<DeviceStep> steps;
    for (const std::vector<DeviceStep>& part : parts) {
        steps.insert(steps.end(), part.begin(), part.end());
    }
    return steps;
}

const std::vector<DeviceStep> kEveryRead = joined({{{kReadLightingEffect}},
                                                   numbered(kReadLedParameterSet, 0, 1),
                                                   numbered(kReadColorBlock, 0, 1),
                                                   numbered(kReadMacroSlot, 1, 12)});
const std::vector<DeviceStep> kDataReads =
    joined({numbered(kReadColorBlock, 0, 1), numbered(kReadMacroSlot, 1, 12)});

// The sample record's Respiration with RGB Flash decides the effect bytes and LED set 0 in full;
// colour block 0 and LED set 1 go back only as read.
const std::vector<DeviceStep> kMouseOwnLighting = {{kWriteColorBlock, 0}, {kWriteLedParameterSet, 1}};

TEST(ApplyOutcome, OfTheEmulatedMouseWithEachFault) {
    struct Case {
        const char* faults;
        Result result;
        std::vector<DeviceStep> failed;
        std::vector<DeviceStep> withheld;
        std::size_t commandsSent;
    };
    const Case cases[] = {
        {"", Result::Taken, {}, {}, 40},
        {"silent=1", Result::NotConfirmed, kDataReads, {{kWriteColorBlock, 0}}, 39},
        {"no-replies=1", Result::NotConfirmed, kEveryRead, kMouseOwnLighting, 38},
        {"bad-checksum=1", Result::NotConfirmed, kEveryRead, kMouseOwnLighting, 38},
        {"reply-code=0x03", Result::NotConfirmed, kEveryRead, kMouseOwnLighting, 38},
        {"reply-number=255", Result::NotConfirmed, joined({numbered(kReadLedParameterSet, 0, 1), kDataReads}),
         kMouseOwnLighting, 38},
        {"announced-length=0", Result::NotConfirmed, kDataReads, {{kWriteColorBlock, 0}}, 39},
        {"announced-length=0xFF", Result::Taken, {}, {}, 40},
        {"unplug-after=30",
         Result::NotConfirmed,
         joined({numbered(kWriteMacroSlot, 2, 12), numbered(kReadMacroSlot, 1, 12),
                 numbered(kWriteKeyMatrix, 1, 4)}),
         {},
         40},
        {"output-length=32", Result::NoMouse, {}, {}, 0},
    };
    for (const Case& c : cases) {
        ApplyHarness harness;
        EmulatorFaults faults;
        std::string error;
        ASSERT_TRUE(applyEmulatorFaultList(c.faults, faults, error)) << error;
        harness.mouse.setFaults(faults);
        const MouseFirmwareState before = harness.mouse.state();

        const ApplyOutcome outcome = applyConfiguration(harness.transport, sampleRecord(), 1, harness.image);

        EXPECT_EQ(outcome.result, c.result) << c.faults;
        EXPECT_EQ(outcome.failedSteps, c.failed) << c.faults;
        EXPECT_EQ(outcome.withheldSteps, c.withheld) << c.faults;
        EXPECT_TRUE(outcome.mismatchedSlots.empty()) << c.faults;
        EXPECT_EQ(harness.count("set-feature"), c.commandsSent) << c.faults;
        // Whatever failed, the mouse's own lighting values are never replaced by zeros.
        EXPECT_EQ(harness.mouse.state().colorBlocks[0], before.colorBlocks[0]) << c.faults;
        EXPECT_EQ(harness.mouse.state().ledSets[1], before.ledSets[1]) << c.faults;
        EXPECT_EQ(describeApplyOutcome(outcome).empty(), c.result == Result::Taken) << c.faults;
    }
}

// Passes every report through, but changes one byte of the `corruptRead`-th input report.
class CorruptingPort : public HidPort {
public:
    CorruptingPort(HidPort& inner, std::size_t corruptRead) : inner_(inner), corruptRead_(corruptRead) {}
    bool setFeature(std::span<const uint8_t> report) override { return inner_.setFeature(report); }
    bool getFeature(std::span<uint8_t> report) override { return inner_.getFeature(report); }
    bool writeOutput(std::span<const uint8_t> report) override { return inner_.writeOutput(report); }
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override {
        const bool read = inner_.readInput(report, timeout);
        if (++reads_ == corruptRead_) {
            report[5] ^= 0xFF;
        }
        return read;
    }
    uint16_t featureLength() const override { return inner_.featureLength(); }
    uint16_t inputLength() const override { return inner_.inputLength(); }
    uint16_t outputLength() const override { return inner_.outputLength(); }

private:
    HidPort& inner_;
    std::size_t corruptRead_;
    std::size_t reads_ = 0;
};

TEST(ApplyOutcome, MacroSlotReadBackUnlikeWhatWasSentIsNamed) {
    ApplyHarness harness;
    // Two colour blocks take one input report each, then four per macro slot: report 2 + 4 * 2 + 1
    // is the first of slot 3.
    CorruptingPort port(harness.port, 2 + 4 * 2 + 1);
    Transport transport(port, harness.pacer, std::chrono::milliseconds(1));
    const ApplyOutcome outcome = applyConfiguration(transport, sampleRecord(), 1, harness.image);
    EXPECT_EQ(outcome.result, Result::NotConfirmed);
    EXPECT_TRUE(outcome.failedSteps.empty());
    EXPECT_EQ(outcome.mismatchedSlots, std::vector<uint8_t>{3});
    EXPECT_EQ(describeApplyOutcome(outcome), "macro slots read back unlike sent: 3");
}

TEST(ApplyOutcome, DescriptionJoinsRunsOfOneCommand) {
    ApplyOutcome outcome;
    outcome.result = Result::NotConfirmed;
    outcome.failedSteps = joined({numbered(kReadColorBlock, 0, 1),
                                  {{kReadLightingEffect}},
                                  numbered(kReadMacroSlot, 1, 3),
                                  numbered(kReadMacroSlot, 5, 12)});
    outcome.withheldSteps = {{kWriteColorBlock, 0}};
    outcome.mismatchedSlots = {2, 4};
    EXPECT_EQ(describeApplyOutcome(outcome),
              "failed: read colour block 0-1, read lighting effect, read macro slot 1-3, 5-12; "
              "not sent: write colour block 0; macro slots read back unlike sent: 2, 4");
}

} // namespace

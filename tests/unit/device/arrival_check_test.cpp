#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "apply_harness.h"
#include "device/arrival_check.h"
#include "device/emulator/emulator_fault_names.h"

namespace {

using SlotNumbers = std::vector<uint8_t>;

TEST(ArrivalCheck, ComparesWhatTheMouseHoldsWithTheRecord) {
    struct Case {
        const char* name;
        const char* faults;
        // What happened to the mouse after it was sent the record.
        std::function<void(MouseEmulator&)> since;
        MouseAgreement agreement;
        SlotNumbers differingSlots;
        bool lightingDiffers;
    };
    const auto nothing = [](MouseEmulator&) {};
    const auto replugged = [](MouseEmulator& mouse) {
        mouse.unplug();
        mouse.plugIn(1);
    };
    const SlotNumbers everySlot = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const Case cases[] = {
        {"as sent", "", nothing, MouseAgreement::Same, {}, false},
        {"replugged, keeps its memory", "", replugged, MouseAgreement::Same, {}, false},
        {"replugged, forgot everything", "forget-on-unplug=1", replugged, MouseAgreement::Differs, everySlot,
         true},
        {"another tool changed macro slot 5",
         "",
         [](MouseEmulator& mouse) { mouse.state().macroSlots[4][9] ^= 0x01; },
         MouseAgreement::Differs,
         {5},
         false},
        {"another tool changed the lighting effect",
         "",
         [](MouseEmulator& mouse) { mouse.state().lightingEffect.option1 = 9; },
         MouseAgreement::Differs,
         {},
         true},
        {"another tool changed a stage colour",
         "",
         [](MouseEmulator& mouse) { mouse.state().colorBlocks[1][4] = 0x77; },
         MouseAgreement::Differs,
         {},
         true},
        {"the mouse's own colour block 0 and LED set 1 changed",
         "",
         [](MouseEmulator& mouse) {
             mouse.state().colorBlocks[0][0] ^= 0xFF;
             mouse.state().ledSets[1][2] ^= 0xFF;
         },
         MouseAgreement::Same,
         {},
         false},
        {"data reads that never come", "silent=1", nothing, MouseAgreement::Unknown, {}, false},
        {"no replies, forgot everything",
         "no-replies=1,forget-on-unplug=1",
         replugged,
         MouseAgreement::Unknown,
         {},
         false},
        {"replies for another number", "reply-number=255", nothing, MouseAgreement::Unknown, {}, false},
        {"short blocks, forgot everything",
         "announced-length=0,forget-on-unplug=1",
         replugged,
         MouseAgreement::Differs,
         {},
         true},
    };
    for (const Case& c : cases) {
        ApplyHarness harness;
        const DeviceConfigRecord record = sampleRecord();
        ASSERT_TRUE(applyConfiguration(harness.transport, record, 1, harness.image).taken()) << c.name;
        EmulatorFaults faults;
        std::string error;
        ASSERT_TRUE(applyEmulatorFaultList(c.faults, faults, error)) << error;
        harness.mouse.setFaults(faults);
        c.since(harness.mouse);
        harness.trace.clear();

        Transport transport(harness.port, harness.pacer, std::chrono::milliseconds(1));
        const ArrivalComparison comparison = checkArrivedMouse(transport, record);

        EXPECT_EQ(comparison.agreement, c.agreement) << c.name;
        EXPECT_EQ(comparison.differingSlots, c.differingSlots) << c.name;
        EXPECT_EQ(comparison.lightingDiffers, c.lightingDiffers) << c.name;
        EXPECT_EQ(harness.count("write"), 0u) << c.name << ": the check only reads";
        EXPECT_EQ(harness.count("set-feature"), 17u) << c.name;
    }
}

} // namespace

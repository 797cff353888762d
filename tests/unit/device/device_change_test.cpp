#include <gtest/gtest.h>

#include <string>

#include "device/device_change.h"

namespace {

struct EventTypeCase {
    unsigned eventType;
    std::optional<DeviceChange> change;
};

class DeviceChangeOfTest : public testing::TestWithParam<EventTypeCase> {};

TEST_P(DeviceChangeOfTest, FollowsOnlyArrivalAndCompletedRemoval) {
    EXPECT_EQ(deviceChangeOf(GetParam().eventType), GetParam().change);
}

INSTANTIATE_TEST_SUITE_P(
    EventTypes, DeviceChangeOfTest,
    testing::Values(EventTypeCase{0x8000, DeviceChange::Arrival},
                    EventTypeCase{0x8004, DeviceChange::RemovalComplete},
                    // Query-remove, remove-pending, custom events and the node-changed notice are ignored.
                    EventTypeCase{0x8001, std::nullopt}, EventTypeCase{0x8003, std::nullopt},
                    EventTypeCase{0x8006, std::nullopt}, EventTypeCase{0x0007, std::nullopt}));

// The steps the change takes, in order, as one line.
class RecordingPorts : public DeviceChangePorts {
public:
    std::string steps;

    void showDeviceEvent(unsigned code) override { add("balloon " + std::to_string(code)); }
    void hideWindow() override { add("hide"); }
    void greetArrivedMouse() override { add("greet"); }

private:
    void add(const std::string& step) { steps += (steps.empty() ? "" : ", ") + step; }
};

struct StepsCase {
    const char* name;
    DeviceChange change;
    bool mouseFound;
    const char* steps;
};

class DeviceChangeStepsTest : public testing::TestWithParam<StepsCase> {};

TEST_P(DeviceChangeStepsTest, StepsAfterTheSearchInOrder) {
    const StepsCase& c = GetParam();
    RecordingPorts ports;
    carryOutDeviceChange(c.change, c.mouseFound, ports);
    EXPECT_EQ(ports.steps, c.steps) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DeviceChangeStepsTest,
    testing::Values(
        StepsCase{"arrival of the mouse", DeviceChange::Arrival, true, "balloon 14, greet"},
        StepsCase{"arrival whose search fails", DeviceChange::Arrival, false, "balloon 15, hide"},
        StepsCase{"removal of the mouse", DeviceChange::RemovalComplete, false, "balloon 15, hide"},
        StepsCase{"removal of one collection while another stays", DeviceChange::RemovalComplete, true, ""}),
    [](const testing::TestParamInfo<StepsCase>& info) { return "case" + std::to_string(info.index); });

} // namespace

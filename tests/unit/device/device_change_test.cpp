#include <gtest/gtest.h>

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

struct StepsCase {
    const char* name;
    DeviceChange change;
    bool mouseFound;
    bool readerReleased;
    DeviceChangeSteps steps;
};

class DeviceChangeStepsTest : public testing::TestWithParam<StepsCase> {};

TEST_P(DeviceChangeStepsTest, StepsAfterTheSearch) {
    const StepsCase& c = GetParam();
    EXPECT_EQ(deviceChangeSteps(c.change, c.mouseFound, c.readerReleased), c.steps) << c.name;
}

constexpr unsigned kFound = 14;
constexpr unsigned kNotFound = 15;

INSTANTIATE_TEST_SUITE_P(Changes, DeviceChangeStepsTest,
                         testing::Values(StepsCase{"arrival of the mouse absent at start-up",
                                                   DeviceChange::Arrival,
                                                   true,
                                                   false,
                                                   {kFound, false, true, true}},
                                         StepsCase{"arrival while the reader already runs",
                                                   DeviceChange::Arrival,
                                                   true,
                                                   true,
                                                   {kFound, false, true, false}},
                                         StepsCase{"arrival whose search fails",
                                                   DeviceChange::Arrival,
                                                   false,
                                                   false,
                                                   {kNotFound, true, false, false}},
                                         StepsCase{"removal of the mouse",
                                                   DeviceChange::RemovalComplete,
                                                   false,
                                                   true,
                                                   {kNotFound, true, false, false}},
                                         StepsCase{"removal of one collection while another stays",
                                                   DeviceChange::RemovalComplete,
                                                   true,
                                                   true,
                                                   {std::nullopt, false, false, false}}),
                         [](const testing::TestParamInfo<StepsCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace

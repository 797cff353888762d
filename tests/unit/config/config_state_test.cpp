#include <gtest/gtest.h>

#include <cstring>

#include "config/config_state.h"

namespace {

bool sameBytes(const DeviceConfigRecord& a, const DeviceConfigRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ConfigState, StartsAllZero) {
    const ConfigState state;
    DeviceConfigRecord zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_TRUE(sameBytes(state.record, zero));
    EXPECT_TRUE(sameBytes(state.appliedRecord, zero));
    EXPECT_EQ(state.firstRunFlag, 0);
}

TEST(ConfigState, CancelGoesBackToTheLastSnapshot) {
    ConfigState state;
    state.record.reportIntervalCode = 1;
    state.record.setA.functionIndex[2] = kMacroKey;
    state.takeSnapshot();
    const DeviceConfigRecord applied = state.record;

    state.record.reportIntervalCode = 8;
    state.record.setB.singleKeyCode[4] = 0x04;
    state.record.macroSlots[11].setLoopCount(300);
    state.revertToSnapshot();
    EXPECT_TRUE(sameBytes(state.record, applied));

    state.record.lightingMode = 3;
    state.takeSnapshot();
    state.record.lightingMode = 1;
    state.revertToSnapshot();
    EXPECT_EQ(state.record.lightingMode, 3);
    EXPECT_EQ(state.record.reportIntervalCode, 1);
}

} // namespace

#include <gtest/gtest.h>

#include "device/device_command.h"

namespace {

using Bytes = std::array<uint8_t, 8>;

TEST(DeviceCommand, ChecksumMakesTheFrameAddUpToFF) {
    struct Case {
        Bytes frame;
        uint8_t checksum;
    };
    const Case cases[] = {
        {{0x03, 0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00}, 0xF2},
        {{0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 0x7C},
        {{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 0xFF},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, 0x06},
        {{0x13, 0x0C, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00}, 0x60},
        // Whatever the caller left in byte 7 does not count.
        {{0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55}, 0x7C},
    };
    for (const Case& c : cases) {
        const DeviceCommand frame{c.frame};
        EXPECT_EQ(frameChecksum(frame), c.checksum);
        const DeviceCommand withChecksum = sealed(frame);
        EXPECT_EQ(withChecksum[7], c.checksum);
        EXPECT_TRUE(isWellFormed(withChecksum));
    }
}

TEST(DeviceCommand, FrameWithAWrongChecksumIsNotWellFormed) {
    DeviceCommand frame = sealed(DeviceCommand::make(0x03, 0x01, 0x02, 0x03, 0x04));
    frame[7] ^= 0x01;
    EXPECT_FALSE(isWellFormed(frame));
}

TEST(DeviceCommand, Bit7OfTheCodeMarksAReadRequest) {
    const std::pair<uint8_t, bool> cases[] = {{0x83, true},  {0x80, true},  {0x93, true},
                                              {0x03, false}, {0x13, false}, {0x7F, false}};
    for (auto [code, isRead] : cases) {
        EXPECT_EQ(DeviceCommand::make(code).isRead(), isRead) << int{code};
    }
}

} // namespace

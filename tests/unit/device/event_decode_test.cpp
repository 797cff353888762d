#include <gtest/gtest.h>

#include <vector>

#include "device/device_event.h"

namespace {

struct DecodeCase {
    std::vector<uint8_t> report;
    std::optional<unsigned> code; // nothing when the report must be ignored
    unsigned value;
};

const DecodeCase kCases[] = {
    {{0x06, 0x05, 0x00, 0x01}, 5, 1},
    {{0x06, 0x05, 0x00, 0x08}, 5, 8},
    {{0x06, 0x07, 0x00, 0x03}, 7, 3},
    {{0x06, 0x08, 0x00, 0x03}, 8, 3},
    {{0x06, 0x09, 0x00, 0x0C}, 9, 12},
    {{0x06, 0x09, 0x00, 0x00}, 9, 0},
    {{0x06, 0x09, 0x7E, 0xFF, 0x11, 0x22, 0x33, 0x44}, 9, 255},
    {{0x05, 0x07, 0x00, 0x03}, std::nullopt, 0},
    {{0x00, 0x07, 0x00, 0x03}, std::nullopt, 0},
    {{0x06, 0x06, 0x00, 0x01}, std::nullopt, 0},
    {{0x06, 0x0E, 0x00, 0x01}, std::nullopt, 0},
    {{0x06, 0x0F, 0x00, 0x01}, std::nullopt, 0},
    {{0x06, 0x00, 0x00, 0x00}, std::nullopt, 0},
    {{}, std::nullopt, 0},
    {{0x06}, std::nullopt, 0},
    {{0x06, 0x07}, std::nullopt, 0},
    {{0x06, 0x07, 0x00}, std::nullopt, 0},
};

TEST(DeviceEventDecode, ReportsToEvents) {
    for (const DecodeCase& c : kCases) {
        const std::optional<DeviceEvent> event = decodeDeviceEvent(c.report);
        SCOPED_TRACE(testing::PrintToString(c.report));
        ASSERT_EQ(event.has_value(), c.code.has_value());
        if (event) {
            EXPECT_EQ(event->code, *c.code);
            EXPECT_EQ(event->value, c.value);
        }
    }
}

} // namespace

#include <gtest/gtest.h>

#include "device/dpi_data.h"

namespace {

struct DpiCase {
    const char* name;
    uint8_t sensorType;
    std::array<uint8_t, 4> positions;
    std::array<uint8_t, 4> enabled;
    DpiData expected;
};

TEST(DpiData, StageCodesFollowTheSensorTableAndMarkDisabledStages) {
    const DpiCase cases[] = {
        {"sensor 1, stage 2 off",
         1,
         {4, 7, 0, 0},
         {1, 0, 1, 1},
         {0x05, 0xA5, 0x01, 0x01, 0x80, 0x80, 0x80, 0x80}},
        {"sensor 0, top of the scale",
         0,
         {8, 9, 10, 11},
         {1, 1, 1, 1},
         {0x25, 0x26, 0x27, 0x28, 0x80, 0x80, 0x80, 0x80}},
        {"sensor 2", 2, {0, 4, 5, 7}, {1, 1, 0, 1}, {0x02, 0x0A, 0xA6, 0x2A, 0x80, 0x80, 0x80, 0x80}},
        {"sensor 3, all off",
         3,
         {0, 1, 2, 7},
         {0, 0, 0, 0},
         {0x81, 0x82, 0x83, 0x88, 0x80, 0x80, 0x80, 0x80}},
        {"unknown sensor 5", 5, {1, 2, 3, 4}, {1, 0, 1, 0}, {0x00, 0x80, 0x00, 0x80, 0x80, 0x80, 0x80, 0x80}},
        {"any non-zero flag enables",
         1,
         {1, 1, 1, 1},
         {2, 0xFF, 1, 0},
         {0x02, 0x02, 0x02, 0x82, 0x80, 0x80, 0x80, 0x80}},
    };
    for (const DpiCase& c : cases) {
        DeviceConfigRecord record{};
        record.dpiPosition = c.positions;
        record.dpiStageEnabled = c.enabled;
        EXPECT_EQ(buildDpiData(record, c.sensorType), c.expected) << c.name;
    }
}

} // namespace

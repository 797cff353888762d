#include <gtest/gtest.h>

#include <vector>

#include "settings/dpi_table.h"

namespace {

struct SensorTable {
    uint8_t sensorType;
    std::vector<uint8_t> codes;
    std::vector<std::wstring> labels;
};

const SensorTable kSensors[] = {
    {0,
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28},
     {L"250", L"500", L"750", L"1000", L"1250", L"1500", L"1750", L"2000", L"2500", L"3000", L"3500",
      L"4000"}},
    {1,
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25},
     {L"600", L"800", L"1000", L"1200", L"1600", L"2000", L"2400", L"3200"}},
    {2,
     {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A},
     {L"400", L"800", L"1200", L"1400", L"1800", L"2200", L"2400", L"3000"}},
    {3,
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08},
     {L"400", L"800", L"1200", L"1600", L"2000", L"2400", L"2800", L"3200"}},
};

TEST(DpiTable, CodesAndLabelsOfEveryKnownSensor) {
    for (const SensorTable& sensor : kSensors) {
        for (std::size_t p = 0; p < sensor.codes.size(); ++p) {
            const auto position = static_cast<uint8_t>(p);
            EXPECT_EQ(dpiStageCode(sensor.sensorType, position), sensor.codes[p])
                << "sensor " << int{sensor.sensorType} << " position " << p;
            EXPECT_EQ(dpiPositionLabel(sensor.sensorType, position), sensor.labels[p])
                << "sensor " << int{sensor.sensorType} << " position " << p;
        }
        EXPECT_EQ(dpiScaleLabels(sensor.sensorType), sensor.labels);
    }
}

TEST(DpiTable, PositionsPastTheTableGiveNoCodeAndNoLabel) {
    for (const SensorTable& sensor : kSensors) {
        for (std::size_t p = sensor.codes.size(); p <= 255; ++p) {
            const auto position = static_cast<uint8_t>(p);
            EXPECT_EQ(dpiStageCode(sensor.sensorType, position), 0) << "sensor " << int{sensor.sensorType};
            EXPECT_EQ(dpiPositionLabel(sensor.sensorType, position), L"")
                << "sensor " << int{sensor.sensorType};
        }
    }
}

TEST(DpiTable, UnknownSensorHasCodeZeroNoLabelAndTheTwelveStepScale) {
    for (const uint8_t sensorType : {4, 5, 0x7F, 0xFF}) {
        for (const uint8_t position : {0, 3, 11}) {
            EXPECT_EQ(dpiStageCode(sensorType, position), 0);
            EXPECT_EQ(dpiPositionLabel(sensorType, position), L"");
        }
        EXPECT_EQ(dpiScaleLabels(sensorType), kSensors[0].labels) << "sensor " << int{sensorType};
    }
}

TEST(DpiTable, StageBytesMarkDisabledStages) {
    struct Case {
        uint8_t sensorType;
        uint8_t position;
        bool enabled;
        uint8_t expected;
    };
    const Case cases[] = {
        // Sensor 1, stages at positions 4, 7, 0, 0 with the second one off: 05 A5 01 01.
        {1, 4, true, 0x05}, {1, 7, false, 0xA5}, {1, 0, true, 0x01},  {0, 11, false, 0xA8},
        {2, 7, true, 0x2A}, {5, 3, true, 0x00},  {5, 3, false, 0x80}, {3, 9, false, 0x80},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dpiStageByte(c.sensorType, c.position, c.enabled), c.expected)
            << "sensor " << int{c.sensorType} << " position " << int{c.position} << " enabled " << c.enabled;
    }
}

} // namespace

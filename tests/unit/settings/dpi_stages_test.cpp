#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "settings/dpi_stages.h"

namespace {

using Flags = std::array<uint8_t, 4>;

TEST(DpiStages, ToggleKeepsAtLeastOneStageOn) {
    const struct {
        Flags before;
        std::size_t stage;
        Flags after;
    } kCases[] = {
        {{0, 1, 0, 0}, 1, {0, 1, 0, 0}}, // the only stage on stays on
        {{1, 0, 1, 0}, 2, {1, 0, 0, 0}},
        {{1, 0, 0, 0}, 3, {1, 0, 0, 1}},
        {{1, 0, 0, 0}, 4, {1, 0, 0, 0}},
    };
    for (const auto& c : kCases) {
        DeviceConfigRecord record{};
        record.dpiStageEnabled = c.before;
        EXPECT_EQ(DpiStages(record).toggleStage(StageIndex{c.stage}), c.before != c.after)
            << "stage " << c.stage;
        EXPECT_EQ(record.dpiStageEnabled, c.after) << "stage " << c.stage;
    }
}

TEST(DpiStages, StepIsStoredWhateverTheStageStateAndOnlyOnTheScale) {
    const struct {
        uint8_t sensorType;
        uint8_t enabled;
        std::size_t position;
        uint8_t storedStep; // 0xEE: the click was ignored
        DpiStageColumn shownAfterwards;
    } kCases[] = {
        {1, 1, 4, 4, {true, 5, 8}},     {1, 0, 2, 2, {false, 0, 8}},      {1, 1, 8, 0xEE, {true, 8, 8}},
        {0, 1, 11, 11, {true, 12, 12}}, {7, 1, 12, 0xEE, {true, 12, 12}},
    };
    for (const auto& c : kCases) {
        DeviceConfigRecord record{};
        record.dpiStageEnabled = {1, c.enabled, 0, 0};
        record.dpiPosition[1] = 0xEE;
        DpiStages stages(record);
        const std::optional<DpiStageColumn> drawn = stages.setStep(StageIndex{1}, c.position, c.sensorType);
        EXPECT_EQ(record.dpiPosition[1], c.storedStep)
            << "sensor " << int{c.sensorType} << " p " << c.position;
        // The click lights the scale up to the clicked position even on a stage that stays off; the
        // page later draws it dark.
        EXPECT_EQ(drawn.has_value() && drawn->litPositions == c.position + 1, c.storedStep != 0xEE);
        EXPECT_EQ(stages.column(StageIndex{1}, c.sensorType), c.shownAfterwards);
    }
}

TEST(DpiStages, ColourIsStoredRedBlueGreenAndOnlyForAStageThatIsOn) {
    const struct {
        std::size_t stage;
        uint8_t enabled;
        RgbColour colour;
        std::array<uint8_t, 3> bytes; // at 0x078F + 3 stage
    } kCases[] = {
        {0, 1, {0xFF, 0x00, 0x00}, {0xFF, 0x00, 0x00}},
        {0, 1, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}},
        {3, 1, {0x12, 0x34, 0x56}, {0x12, 0x56, 0x34}},
        {1, 0, {0xFF, 0xFF, 0xFF}, {0x0A, 0x0B, 0x0C}}, // off: unchanged
    };
    for (const auto& c : kCases) {
        DeviceConfigRecord record{};
        record.dpiStageEnabled[c.stage] = c.enabled;
        record.stageColor[c.stage] = {0x0A, 0x0B, 0x0C};
        DpiStages stages(record);
        EXPECT_EQ(stages.setColour(StageIndex{c.stage}, c.colour), c.enabled != 0);
        std::array<uint8_t, 3> stored{};
        std::memcpy(stored.data(), reinterpret_cast<const uint8_t*>(&record) + 0x078F + 3 * c.stage, 3);
        EXPECT_EQ(stored, c.bytes) << "stage " << c.stage;
        EXPECT_EQ(stages.colour(StageIndex{c.stage}) == c.colour, c.enabled != 0);
    }
}

} // namespace

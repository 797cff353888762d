#include <gtest/gtest.h>

#include "device/lighting_merge.h"

namespace {

constexpr LightingEffectBytes kReadEffect{0x09, 0x08, 0x07};
constexpr LedParameterSet kReadLedSet{0x44, 0x55, 0x66};

struct LightingCase {
    const char* name;
    uint8_t mode;
    uint8_t respirationEffect;
    uint8_t neonEffect;
    LightingEffectBytes effect;
    LedParameterSet ledSet0;
    // Whether the record sets every byte of the effect and of LED set 0, whatever the mouse held.
    LightingDecided decided;
};

TEST(LightingMerge, EachModeAndColourEffectMergesAsTheMouseExpects) {
    // The record: brightness 3, Respiration cycle 4, Neon cycle 29.
    const LightingCase cases[] = {
        {"standard", 1, 0, 0, {0x01, 0x04, 0x02}, {0x01, 0x55, 0x66}, {true, false}},
        {"respiration, RGB effect", 2, 1, 0, {0x02, 0x05, 0x02}, {0x01, 0x55, 0x66}, {true, false}},
        {"respiration, RGB flash", 2, 2, 0, {0x02, 0x05, 0x03}, {0x02, 0xFA, 0x03}, {true, true}},
        {"respiration, unknown effect", 2, 7, 0, {0x02, 0x05, 0x07}, kReadLedSet, {false, false}},
        {"neon, RGB flash", 3, 0, 2, {0x03, 0x1E, 0x07}, {0x02, 0xFA, 0x03}, {false, true}},
        {"neon, RGB fixed on", 3, 0, 3, {0x03, 0x1E, 0x07}, {0x03, 0x05, 0x05}, {false, true}},
        {"neon, unknown effect", 3, 0, 1, {0x03, 0x1E, 0x07}, kReadLedSet, {false, false}},
        {"off", 0, 2, 3, kReadEffect, kReadLedSet, {false, false}},
        {"damaged mode", 4, 2, 3, kReadEffect, kReadLedSet, {false, false}},
    };
    for (const LightingCase& c : cases) {
        DeviceConfigRecord record{};
        record.lightingMode = c.mode;
        record.standardBrightness = 3;
        record.respirationCycle = 4;
        record.neonCycle = 29;
        record.respirationColorEffect = c.respirationEffect;
        record.neonColorEffect = c.neonEffect;
        LightingEffectBytes effect = kReadEffect;
        LedParameterSet ledSet0 = kReadLedSet;
        mergeLighting(record, effect, ledSet0);
        EXPECT_EQ(effect, c.effect) << c.name;
        EXPECT_EQ(ledSet0, c.ledSet0) << c.name;
        EXPECT_EQ(lightingDecidedByRecord(record), c.decided) << c.name;
    }
}

} // namespace

#include "device/lighting_merge.h"

#include <cstring>

namespace {

enum LightingMode : uint8_t { kStandard = 1, kRespiration = 2, kNeon = 3 };

enum ColorEffect : uint8_t { kRgbEffect = 1, kRgbFlash = 2, kRgbFixedOn = 3 };

constexpr uint8_t kSteadyLedMode = 0x01;
constexpr uint8_t kRespirationEffectOption2 = 0x02;
constexpr uint8_t kFlashEffectOption2 = 0x03;
constexpr LedParameterSet kFlashLedSet = {0x02, 0xFA, 0x03};
constexpr LedParameterSet kFixedOnLedSet = {0x03, 0x05, 0x05};

// The effect's first option is the chosen brightness or cycle, counted from 1 on the mouse.
uint8_t fromOne(uint8_t listIndex) {
    return static_cast<uint8_t>(listIndex + 1);
}

void mergeStandard(const DeviceConfigRecord& record, LightingEffectBytes& effect, LedParameterSet& ledSet0) {
    effect = {kStandard, fromOne(record.standardBrightness), kRespirationEffectOption2};
    ledSet0[0] = kSteadyLedMode;
}

void mergeRespiration(const DeviceConfigRecord& record, LightingEffectBytes& effect,
                      LedParameterSet& ledSet0) {
    effect.effect = kRespiration;
    effect.option1 = fromOne(record.respirationCycle);
    if (record.respirationColorEffect == kRgbEffect) {
        effect.option2 = kRespirationEffectOption2;
        ledSet0[0] = kSteadyLedMode;
    } else if (record.respirationColorEffect == kRgbFlash) {
        effect.option2 = kFlashEffectOption2;
        ledSet0 = kFlashLedSet;
    }
}

void mergeNeon(const DeviceConfigRecord& record, LightingEffectBytes& effect, LedParameterSet& ledSet0) {
    effect.effect = kNeon;
    effect.option1 = fromOne(record.neonCycle);
    if (record.neonColorEffect == kRgbFlash) {
        ledSet0 = kFlashLedSet;
    } else if (record.neonColorEffect == kRgbFixedOn) {
        ledSet0 = kFixedOnLedSet;
    }
}

} // namespace

void mergeLighting(const DeviceConfigRecord& record, LightingEffectBytes& effect, LedParameterSet& ledSet0) {
    switch (record.lightingMode) {
    case kStandard:
        mergeStandard(record, effect, ledSet0);
        break;
    case kRespiration:
        mergeRespiration(record, effect, ledSet0);
        break;
    case kNeon:
        mergeNeon(record, effect, ledSet0);
        break;
    default:
        break;
    }
}

LightingDecided lightingDecidedByRecord(const DeviceConfigRecord& record) {
    // A byte the record decides comes out the same from two mice that held opposite values.
    LightingEffectBytes lowEffect{0x00, 0x00, 0x00};
    LightingEffectBytes highEffect{0xFF, 0xFF, 0xFF};
    LedParameterSet lowSet{0x00, 0x00, 0x00};
    LedParameterSet highSet{0xFF, 0xFF, 0xFF};
    mergeLighting(record, lowEffect, lowSet);
    mergeLighting(record, highEffect, highSet);
    return {lowEffect == highEffect, lowSet == highSet};
}

ColorBlock stageColorBlock(const DeviceConfigRecord& record) {
    ColorBlock block{};
    std::memcpy(block.data(), record.stageColor.data(), sizeof(StageColor) * kDpiStageCount);
    return block;
}

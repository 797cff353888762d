#include "settings/lighting_texts.h"

#include <array>

namespace {

constexpr int kNeonEntries = 30;

constexpr std::array<const wchar_t*, 10> kBrightness{L"5%",  L"15%", L"25%", L"35%", L"45%",
                                                     L"55%", L"65%", L"75%", L"85%", L"100%"};
constexpr std::array<const wchar_t*, 5> kRespirationCycles{L"8S", L"7S", L"6S", L"5S", L"4S"};

// Entry i of the Neon list lasts (i + 1) / 2 seconds, written without a trailing ".0".
std::wstring neonCycleText(uint8_t index) {
    if (index >= kNeonEntries) {
        return {};
    }
    const int halves = index + 1;
    std::wstring text = std::to_wstring(halves / 2);
    if (halves % 2 != 0) {
        text += L".5";
    }
    return text + L"S";
}

template <std::size_t N>
std::wstring entry(const std::array<const wchar_t*, N>& list, uint8_t index) {
    return index < list.size() ? list[index] : std::wstring{};
}

} // namespace

std::wstring lightingModeName(uint8_t mode, const UiTexts& texts) {
    static constexpr std::array kModes{TextKey::ModeOff, TextKey::ModeStandard, TextKey::ModeRespiration,
                                       TextKey::ModeNeon};
    return mode < kModes.size() ? texts[kModes[mode]] : std::wstring{};
}

std::wstring lightingEffectName(uint8_t effect, const UiTexts& texts) {
    static constexpr std::array kEffects{TextKey::EffectNone, TextKey::EffectRgb, TextKey::EffectRgbFlash,
                                         TextKey::EffectRgbFixed};
    return effect < kEffects.size() ? texts[kEffects[effect]] : std::wstring{};
}

std::wstring lightingParameterText(uint8_t mode, uint8_t index) {
    switch (mode) {
    case kLightingStandard:
        return entry(kBrightness, index);
    case kLightingRespiration:
        return entry(kRespirationCycles, index);
    default:
        return neonCycleText(index);
    }
}

std::size_t lightingParameterCount(uint8_t mode) {
    switch (mode) {
    case kLightingStandard:
        return kBrightness.size();
    case kLightingRespiration:
        return kRespirationCycles.size();
    default:
        return kNeonEntries;
    }
}

std::span<const uint8_t> lightingEffectChoices(uint8_t mode) {
    static constexpr std::array<uint8_t, 2> kRespirationEffects{1, 2};
    static constexpr std::array<uint8_t, 2> kNeonEffects{2, 3};
    switch (mode) {
    case kLightingRespiration:
        return kRespirationEffects;
    case kLightingNeon:
        return kNeonEffects;
    default:
        return {};
    }
}

LightingFieldTexts lightingFieldTexts(const DeviceConfigRecord& record, const UiTexts& texts) {
    LightingFieldTexts fields;
    fields.mode = lightingModeName(record.lightingMode, texts);
    switch (record.lightingMode) {
    case kLightingStandard:
        // The Standard mode has one colour effect whatever the record holds.
        fields.parameter = lightingParameterText(kLightingStandard, record.standardBrightness);
        fields.effect = lightingEffectName(1, texts);
        break;
    case kLightingRespiration:
        fields.parameter = lightingParameterText(kLightingRespiration, record.respirationCycle);
        fields.effect = lightingEffectName(record.respirationColorEffect, texts);
        break;
    case kLightingNeon:
        fields.parameter = lightingParameterText(kLightingNeon, record.neonCycle);
        fields.effect = lightingEffectName(record.neonColorEffect, texts);
        break;
    default:
        // Lighting off (or an unknown mode): no parameter applies, and the effect reads as none.
        fields.effect = record.lightingMode == kLightingOff ? lightingEffectName(0, texts) : std::wstring{};
        break;
    }
    return fields;
}

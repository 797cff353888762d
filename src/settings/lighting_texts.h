#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "config/device_config_record.h"
#include "lang/language.h"

// The lighting modes as the record stores them. The panel offers the last three; Off is a value a
// record may hold.
inline constexpr uint8_t kLightingOff = 0;
inline constexpr uint8_t kLightingStandard = 1;
inline constexpr uint8_t kLightingRespiration = 2;
inline constexpr uint8_t kLightingNeon = 3;

// What the three fields of the lighting panel show for the record: the mode's name, the current
// mode's parameter (brightness or cycle time) and its colour effect.
struct LightingFieldTexts {
    std::wstring mode;
    std::wstring parameter;
    std::wstring effect;
    bool operator==(const LightingFieldTexts&) const = default;
};

LightingFieldTexts lightingFieldTexts(const DeviceConfigRecord& record, const UiTexts& texts);

// The language's name of a lighting mode (0 Off, 1 Standard, 2 Respiration, 3 Neon) and of a colour
// effect (0 none, 1 RGB Effect, 2 RGB Flash, 3 RGB Fixed On); empty for any other value.
std::wstring lightingModeName(uint8_t mode, const UiTexts& texts);
std::wstring lightingEffectName(uint8_t effect, const UiTexts& texts);

// The entry texts of a mode's parameter list, e.g. "45%", "6S", "1.5S": the brightness list of the
// Standard mode (1), the cycle list of Respiration (2), and the Neon cycle list for any other mode.
std::wstring lightingParameterText(uint8_t mode, uint8_t index);

// The number of entries of that list: 10, 5 and 30.
std::size_t lightingParameterCount(uint8_t mode);

// The effects the effect list offers for a mode: Respiration pulses in the colour cycle or flashes
// (1, 2), Neon flashes or stays fixed (2, 3); the Standard mode has only the RGB effect and no list.
std::span<const uint8_t> lightingEffectChoices(uint8_t mode);

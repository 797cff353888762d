#pragma once

#include <cstdint>
#include <string>

#include "config/device_config_record.h"
#include "lang/language.h"

// What the three fields of the lighting panel show for the record: the mode's name, the current
// mode's parameter (brightness or cycle time) and its colour effect.
struct LightingFieldTexts {
    std::wstring mode;
    std::wstring parameter;
    std::wstring effect;
    bool operator==(const LightingFieldTexts&) const = default;
};

LightingFieldTexts lightingFieldTexts(const DeviceConfigRecord& record, const UiTexts& texts);

// The entry texts of a mode's parameter list, e.g. "45%", "6S", "1.5S": the brightness list of the
// Standard mode (1), the cycle list of Respiration (2), and the Neon cycle list for any other mode.
std::wstring lightingParameterText(uint8_t mode, uint8_t index);

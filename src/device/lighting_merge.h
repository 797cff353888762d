#pragma once

#include "config/device_config_record.h"
#include "device/device_image.h"

// Puts the record's lighting choice into the effect bytes and LED parameter set 0 read from the
// mouse. What the record does not decide keeps the mouse's value; an unknown lighting mode leaves
// the mouse's lighting exactly as it was.
void mergeLighting(const DeviceConfigRecord& record, LightingEffectBytes& effect, LedParameterSet& ledSet0);

// Which of the lighting values Apply sends the record decides in full, whatever the mouse held:
// those can be sent even when the mouse's own values could not be read.
struct LightingDecided {
    bool effect = false;
    bool ledSet0 = false;
    bool operator==(const LightingDecided&) const = default;
};

LightingDecided lightingDecidedByRecord(const DeviceConfigRecord& record);

// Colour block 1 as Apply sends it: the record's twelve stage colour bytes (red, blue, green per
// stage), then zeros.
ColorBlock stageColorBlock(const DeviceConfigRecord& record);

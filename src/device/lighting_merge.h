#pragma once

#include "config/device_config_record.h"
#include "device/device_image.h"

// Puts the record's lighting choice into the effect bytes and LED parameter set 0 read from the
// mouse. What the record does not decide keeps the mouse's value; an unknown lighting mode leaves
// the mouse's lighting exactly as it was.
void mergeLighting(const DeviceConfigRecord& record, LightingEffectBytes& effect, LedParameterSet& ledSet0);

#pragma once

#include <string>

#include "config/device_config_record.h"

// A readable account of a configuration record: both key modes with each button's function and
// its parameters, the DPI stages, report rate, lighting, macro loop counts and pointer settings.
std::string configSummary(const DeviceConfigRecord& record);

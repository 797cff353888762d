#pragma once

#include <string>

#include "config/device_config_record.h"

// Key matrix 1 as Apply would send it: 16 lines, each entry as a little-endian dword in %08x.
std::string keyMatrixListing(const DeviceConfigRecord& record);

#pragma once

#include <string>

#include "config/device_config_record.h"

// Reads a config.bin named on the command line: exactly 1986 bytes, a first-run flag and the
// record. At most one byte past that is read, whatever the path names (a folder, a device, a pipe),
// and a FIFO without a writer reads as empty. On failure `error` says why in one line.
bool readConfigFile(const std::string& path, DeviceConfigRecord& record, std::string& error);

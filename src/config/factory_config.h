#pragma once

#include "config/device_config_record.h"

// The configuration the mouse leaves the factory with in this program: the record of the installed
// config.bin (packaging/make_factory_config.py writes that file from the same table), and the one
// the program starts from when config.bin is missing or unusable.
DeviceConfigRecord factoryConfigRecord();

#pragma once

#include "config/config_file.h"
#include "config/config_state.h"
#include "config/data_paths.h"

// Loads config.bin at start-up into a record the mouse can take, and takes the snapshot. Without a
// valid config.bin (missing, unreadable or of the wrong size) the record is the factory
// configuration and the first-run flag stays 0, as after a fresh installation. A loaded record with
// every DPI stage off gets stage 1 switched on: a mouse sent no enabled stage may stop responding
// until it is plugged in again. The result is loadConfigFile's, for the message it may show.
ConfigFileResult loadStartupConfiguration(ConfigState& state, const DataPaths& paths);

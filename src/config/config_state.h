#pragma once

#include <cstdint>

#include "config/device_config_record.h"

// The configuration the program works on: the record the pages edit, the record as it was last
// loaded, applied or confirmed (what Cancel goes back to), and the first-run flag read from
// config.bin. Everything is zero until config.bin is loaded.
struct ConfigState {
    DeviceConfigRecord record{};
    DeviceConfigRecord appliedRecord{};
    // 0 while config.bin has never been saved by the program; only loading changes it.
    uint8_t firstRunFlag = 0;

    // Remembers the record as applied: after loading, OK and Apply.
    void takeSnapshot() { appliedRecord = record; }
    // Discards every edit since the last snapshot: Cancel.
    void revertToSnapshot() { record = appliedRecord; }
};

#pragma once

#include <cstdint>

#include "config/device_config_record.h"
#include "device/device_image.h"
#include "device/transport.h"

// The two saving steps that end an Apply once the mouse has the configuration. The caller
// decides where the record and the button labels go (the program: config.bin and str.ini).
class ApplySaveSteps {
public:
    virtual ~ApplySaveSteps() = default;
    virtual void saveRecord() = 0;
    virtual void saveButtonLabels() = 0;
};

// For callers that only talk to the mouse (mousecfg, benchmarks, fuzzing): nothing is saved.
class DeviceOnlyApply : public ApplySaveSteps {
public:
    void saveRecord() override {}
    void saveButtonLabels() override {}
};

// Sends the whole record to the mouse in the fixed order of forty commands, then saves the record
// and the button labels through `saveSteps`. `sensorType` is the type read by the last connection
// exchange; it selects the DPI codes. `image` is rebuilt from what the mouse reports and from the
// record. Returns whether every report went through; the sequence and the saving steps run to the
// end either way, so a mouse that fails half-way does not lose the user's configuration.
bool applyConfiguration(Transport& transport, const DeviceConfigRecord& record, uint8_t sensorType,
                        DeviceImage& image, ApplySaveSteps& saveSteps);

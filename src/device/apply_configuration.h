#pragma once

#include <cstdint>

#include "config/device_config_record.h"
#include "device/apply_outcome.h"
#include "device/device_image.h"
#include "device/transport.h"

// Sends the whole record to the mouse in the fixed order of forty commands. `sensorType` is the
// type read by the last connection exchange; it selects the DPI codes. `image` is rebuilt from what
// the mouse reports and from the record. The sequence runs to the end whatever the mouse does, so
// the caller saves the configuration (config.bin, the button labels) in any case; the outcome says
// whether the mouse took it: every exchange went through and the twelve macro slots read back as
// they were sent.
//
// Where one of the mouse's own lighting values could not be read, the write that would carry it
// is held back (see the outcome's withheld steps) unless the record decides it in full: nothing
// made up is sent. A mouse that answers every read sees exactly the forty commands. On a link
// whose report lengths cannot carry the protocol nothing at all is sent.
ApplyOutcome applyConfiguration(Transport& transport, const DeviceConfigRecord& record, uint8_t sensorType,
                                DeviceImage& image);

#pragma once

#include <cstdint>
#include <vector>

#include "config/device_config_record.h"
#include "device/device_image.h"
#include "device/transport.h"

// When the mouse arrives (start-up, plug-in, return from sleep) it may hold other settings than the
// program's: it forgot them, or another computer's tool changed them. The program reads back what
// the protocol lets it read and compares what the program itself decides.

enum class MouseAgreement {
    // Everything compared holds the program's settings.
    Same,
    // Something read from the mouse differs from what Apply would send.
    Differs,
    // Nothing differs among what could be read, but not everything could be read.
    Unknown,
};

struct ArrivalComparison {
    MouseAgreement agreement = MouseAgreement::Unknown;
    // Macro slots (counted from 1) whose bytes differ from the record's.
    std::vector<uint8_t> differingSlots;
    // The lighting the record decides differs: the effect bytes or LED set 0 as the record's lighting
    // choice would set them, or the stage colours of colour block 1.
    bool lightingDiffers = false;
    bool operator==(const ArrivalComparison&) const = default;
};

// Reads the lighting effect, both LED sets, both colour blocks and the twelve macro slots into
// `image` with the exchanges and pauses that Apply reads them with. Returns whether every read
// succeeded. On a link whose report lengths cannot carry the protocol nothing is sent.
bool readMouseSettings(Transport& transport, DeviceImage& image);

// Compares the items of `image` read in full with what Apply would send for `record`. Colour block 0,
// LED set 1 and the mouse's own parts of the lighting are the mouse's and are not compared; the DPI
// stages, the report rate and the key matrices cannot be read back.
ArrivalComparison compareWithRecord(const DeviceImage& image, const DeviceConfigRecord& record);

// Reads the mouse and compares it with the record.
ArrivalComparison checkArrivedMouse(Transport& transport, const DeviceConfigRecord& record);

// What the program does when the mouse arrives.
enum class ArrivalAction {
    Nothing,
    // Read the mouse back and offer the program's settings when they differ.
    Compare,
    // Send the program's settings without asking.
    SendSettings,
};

// `sendOnArrival` is the user's choice to send the settings on every arrival. Without it the mouse
// is compared only once the program's settings were saved (config.bin was saved by the program, or
// OK or Apply ran in this run): before that the program holds factory settings nobody chose.
ArrivalAction arrivalAction(bool sendOnArrival, bool settingsSaved);

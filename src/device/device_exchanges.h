#pragma once

#include <chrono>
#include <cstdint>

#include "device/device_image.h"
#include "device/transport.h"

// One exchange per command of the mouse's command set, each followed by the pause the mouse
// needs after it. Read exchanges store the reply in the device image where the reply's own
// number says; a reply naming a set, block or slot that does not exist is dropped. A reply with a
// wrong checksum or another command's code counts as a failed read: the sensor and lighting-effect
// bytes are left zero, as no reply leaves them, and a numbered item is left as it was. The image's
// read marks tell which items now hold what the mouse reported in full.
//
// Each returns whether the exchange succeeded: all of its reports went through, every reply was
// sound, and a read got the whole item it asked for (a reply naming another set, block or slot, or
// announcing a shorter block, answers something else).

inline constexpr std::chrono::milliseconds kCommandPause{2};

bool setReportRate(Transport& transport, uint8_t reportIntervalCode);
bool readSensorSettings(Transport& transport, DeviceImage& image);
bool writeSensorSettings(Transport& transport, const DeviceImage& image);
bool readLightingEffect(Transport& transport, DeviceImage& image);
bool writeLightingEffect(Transport& transport, const DeviceImage& image);
bool readLedParameterSet(Transport& transport, DeviceImage& image, uint8_t setNumber);
bool writeLedParameterSet(Transport& transport, const DeviceImage& image, uint8_t setNumber);
bool readColorBlock(Transport& transport, DeviceImage& image, uint8_t blockNumber);
bool writeColorBlock(Transport& transport, DeviceImage& image, uint8_t blockNumber);
bool writeDpiStages(Transport& transport, DeviceImage& image);
// `matrixNumber` counts from 1.
bool writeKeyMatrix(Transport& transport, DeviceImage& image, uint8_t matrixNumber);
// `slotNumber` counts from 1.
bool writeMacroSlot(Transport& transport, DeviceImage& image, uint8_t slotNumber);
bool readMacroSlot(Transport& transport, DeviceImage& image, uint8_t slotNumber);

#pragma once

#include <cstdint>

// The command codes of the mouse's command interface. Codes with bit 7 set are read requests.
enum CommandCode : uint8_t {
    kSetReportRate = 0x01,
    kWriteSensorSettings = 0x03,
    kWriteLedParameterSet = 0x07,
    kWriteLightingEffect = 0x0D,
    kWriteColorBlock = 0x10,
    kWriteDpiStages = 0x11,
    kWriteKeyMatrix = 0x12,
    kWriteMacroSlot = 0x13,
    kReadSensorSettings = 0x83,
    kReadLedParameterSet = 0x87,
    kReadLightingEffect = 0x8D,
    kReadColorBlock = 0x90,
    kReadMacroSlot = 0x93,
};

// True for the code of any command the mouse knows.
constexpr bool isCommandCode(uint8_t code) {
    switch (code) {
    case kSetReportRate:
    case kWriteSensorSettings:
    case kWriteLedParameterSet:
    case kWriteLightingEffect:
    case kWriteColorBlock:
    case kWriteDpiStages:
    case kWriteKeyMatrix:
    case kWriteMacroSlot:
    case kReadSensorSettings:
    case kReadLedParameterSet:
    case kReadLightingEffect:
    case kReadColorBlock:
    case kReadMacroSlot:
        return true;
    default:
        return false;
    }
}

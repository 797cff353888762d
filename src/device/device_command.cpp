#include "device/device_command.h"

uint8_t frameChecksum(const DeviceCommand& frame) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < DeviceCommand::kChecksumIndex; ++i) {
        sum += frame.bytes[i];
    }
    return static_cast<uint8_t>(0xFF - (sum & 0xFF));
}

DeviceCommand sealed(DeviceCommand frame) {
    frame.bytes[DeviceCommand::kChecksumIndex] = frameChecksum(frame);
    return frame;
}

bool isWellFormed(const DeviceCommand& frame) {
    unsigned sum = 0;
    for (uint8_t byte : frame.bytes) {
        sum += byte;
    }
    return (sum & 0xFF) == 0xFF;
}

#include "cli/device_port_factory.h"

std::unique_ptr<HidPort> openDeviceCommandPort(std::string& error) {
    error = "no HID device access exists on this platform; use --emulate";
    return nullptr;
}

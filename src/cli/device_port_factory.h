#pragma once

#include <memory>
#include <string>

#include "device/hid_port.h"

// Opens the real mouse's command interface for `mousecfg apply --device`: on Windows through the
// program's own HID search; elsewhere there is no HID access, so it returns nothing and says so in
// `error`.
std::unique_ptr<HidPort> openDeviceCommandPort(std::string& error);

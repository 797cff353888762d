#pragma once

#include <memory>
#include <string>

#include "device/hid_port.h"

// Opens the real mouse's command interface for `mousecfg apply --device`. Where the program has
// no HID access (every platform but Windows, until the Windows HID port is wired in here) it
// returns nothing and says so in `error`.
std::unique_ptr<HidPort> openDeviceCommandPort(std::string& error);

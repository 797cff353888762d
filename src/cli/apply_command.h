#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "device/emulator/emulator_faults.h"

// `mousecfg apply CONFIG (--emulate | --device) [--sensor N] [--fault NAME=VALUE]... [--trace FILE]`.
struct ApplyOptions {
    std::string configPath;
    bool emulate = false;
    uint8_t sensorType = 0; // the emulated mouse's sensor
    EmulatorFaults faults;  // how the emulated mouse misbehaves
    std::optional<std::string> tracePath;
};

// Runs the connection exchange and the device steps of Apply; no file but the trace is written.
// Returns the exit code: 0 done, 1 on any failure (one line on `err`; when the mouse did not take
// the settings, the steps and macro slots that failed).
int runApply(const ApplyOptions& options, std::ostream& out, std::ostream& err);

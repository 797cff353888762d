#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>

#include "config/device_config_record.h"

// The macro area as lines of text: one line per slot, its 128 bytes as lowercase two-digit hex
// separated by single spaces.
std::string macroAreaListing(const std::array<MacroSlot, kMacroSlotCount>& area);

// `mousecfg macros RECORD_INI [CONFIG]`: re-encodes the macro area from record.ini as Confirm
// does, starting from CONFIG's macro area (all zero without CONFIG), and prints it. A macro too
// long for its slot leaves the slot empty and is named on `err`. Returns the exit code: 0 done,
// 1 when a file cannot be read (one line on `err`).
int runMacros(const std::string& recordPath, const std::optional<std::string>& configPath, std::ostream& out,
              std::ostream& err);

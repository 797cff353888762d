#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "profile/profile.h"

// Why a profile file is refused: the line (1-based) and what is wrong there.
struct ProfileRefusal {
    std::size_t line = 1;
    std::string reason;
    bool operator==(const ProfileRefusal&) const = default;
};

// Reads a profile file's text. A file that is not TOML, has a key this program does not know,
// lacks a setting, or holds a value no page could set (a report rate of 333 Hz, a DPI value the
// sensor cannot do, a macro too long for the mouse) is refused as a whole.
std::variant<Profile, ProfileRefusal> readProfileText(std::string_view text);

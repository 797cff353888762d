#pragma once

#include <cstddef>
#include <string_view>

// The longest profile or program name the program takes: with ".toml" and the Profiles folder it
// stays well within the 260 characters older Windows programs allow a path.
inline constexpr std::size_t kLongestFileName = 120;

// Whether `name` can be the name of a file on Windows as it is, without its folder: not empty, at
// most kLongestFileName characters, none of \ / : * ? " < > | or a control character, not beginning
// with a blank (str.ini drops it) nor ending in a blank or a dot (Windows drops them), and not a device name
// Windows reserves (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in any case and with any extension).
bool canBeWindowsFileName(std::wstring_view name);

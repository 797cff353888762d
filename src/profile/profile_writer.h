#pragma once

#include <string>

#include "profile/profile.h"

// The profile file: UTF-8 TOML, one setting per line in a fixed order, so that two profiles compare
// line by line. It starts with a comment naming the program and the format version.
std::string writeProfileText(const Profile& profile);

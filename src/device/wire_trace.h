#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// Receives the wire trace one line at a time, without the line end.
using WireTraceSink = std::function<void(const std::string& line)>;

// "<kind> 00 83 ..." : the report in full, lowercase two-digit hex separated by single spaces.
std::string traceLine(std::string_view kind, std::span<const uint8_t> report);

#include "device/wire_trace.h"

std::string traceLine(std::string_view kind, std::span<const uint8_t> report) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string line(kind);
    line.reserve(kind.size() + 3 * report.size());
    for (uint8_t byte : report) {
        line += ' ';
        line += kHexDigits[byte >> 4];
        line += kHexDigits[byte & 0x0F];
    }
    return line;
}

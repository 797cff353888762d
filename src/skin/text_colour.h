#pragma once

#include <cstdint>

// The colour of every text the program draws itself, as str.ini stores it.
struct TextColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    // The value Windows expects for a colour: red in the low byte.
    constexpr uint32_t colorRef() const { return red | green << 8 | static_cast<uint32_t>(blue) << 16; }
    constexpr bool operator==(const TextColour&) const = default;
};

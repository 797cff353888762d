#pragma once

#include <cstdint>
#include <optional>

// The mouse parameters of the system: two movement thresholds and the acceleration. An acceleration
// other than 0 is what the system calls enhanced pointer precision.
struct MouseAcceleration {
    int threshold1 = 0;
    int threshold2 = 0;
    int acceleration = 0;
    bool operator==(const MouseAcceleration&) const = default;
};

// The wheel-scroll value that scrolls one screen per notch instead of a number of lines.
inline constexpr uint32_t kWheelScrollPage = 0xFFFFFFFF;

// The system's pointer settings. A getter gives nothing when the system refused the read; a setter
// returns whether the system took the value. Setters make the change known to running programs;
// only the double-click time is also kept in the user's profile, the others last until the user
// logs off or another program changes them.
class PointerSystem {
public:
    virtual ~PointerSystem() = default;

    virtual std::optional<MouseAcceleration> mouseAcceleration() = 0;
    virtual bool setMouseAcceleration(const MouseAcceleration& value) = 0;

    // Pointer speed, 1 (slowest) to 20.
    virtual std::optional<uint32_t> mouseSpeed() = 0;
    virtual bool setMouseSpeed(uint32_t speed) = 0;

    // Lines per wheel notch, or kWheelScrollPage.
    virtual std::optional<uint32_t> wheelScrollLines() = 0;
    virtual bool setWheelScrollLines(uint32_t lines) = 0;

    // Double-click time in milliseconds.
    virtual std::optional<uint32_t> doubleClickTime() = 0;
    virtual bool setDoubleClickTime(uint32_t milliseconds) = 0;
};

#include "settings/pointer_mapping.h"

#include <algorithm>

namespace {

constexpr uint32_t kSlowestDoubleClickMs = 900;
constexpr uint32_t kDoubleClickStepMs = 70;

uint8_t onScale(uint32_t position) {
    return static_cast<uint8_t>(std::clamp<uint32_t>(position, 1, kPointerScaleMax));
}

} // namespace

uint8_t positionOnScale(uint8_t position) {
    return onScale(position);
}

uint32_t mouseSpeedOfPosition(uint8_t position) {
    const uint8_t p = onScale(position);
    return p == 1 ? 1 : 2u * p - 2u;
}

uint8_t positionOfMouseSpeed(uint32_t speed) {
    return onScale(std::min<uint32_t>(speed, 2u * kPointerScaleMax) / 2 + 1);
}

uint32_t doubleClickTimeOfPosition(uint8_t position) {
    return kSlowestDoubleClickMs - kDoubleClickStepMs * (onScale(position) - 1u);
}

uint8_t positionOfDoubleClickTime(uint32_t milliseconds) {
    if (milliseconds >= kSlowestDoubleClickMs) {
        return 1;
    }
    return onScale((kSlowestDoubleClickMs - milliseconds) / kDoubleClickStepMs + 1);
}

uint8_t scrollLinesOnScale(uint32_t lines) {
    return static_cast<uint8_t>(std::min<uint32_t>(lines, kPointerScaleMax));
}

uint32_t wheelScrollValue(bool oneScreen, uint8_t lines) {
    return oneScreen ? kWheelScrollPage : scrollLinesOnScale(lines);
}

MouseAcceleration mouseAccelerationOf(bool precision) {
    return precision ? MouseAcceleration{6, 10, 1} : MouseAcceleration{0, 0, 0};
}

bool precisionOf(const MouseAcceleration& value) {
    return value.acceleration != 0;
}

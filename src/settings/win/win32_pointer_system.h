#pragma once

#include "settings/pointer_system.h"

// The system's pointer settings through SystemParametersInfoW and GetDoubleClickTime.
class Win32PointerSystem : public PointerSystem {
public:
    std::optional<MouseAcceleration> mouseAcceleration() override;
    bool setMouseAcceleration(const MouseAcceleration& value) override;
    std::optional<uint32_t> mouseSpeed() override;
    bool setMouseSpeed(uint32_t speed) override;
    std::optional<uint32_t> wheelScrollLines() override;
    bool setWheelScrollLines(uint32_t lines) override;
    std::optional<uint32_t> doubleClickTime() override;
    bool setDoubleClickTime(uint32_t milliseconds) override;
};

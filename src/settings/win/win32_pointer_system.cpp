#include "settings/win/win32_pointer_system.h"

#include <windows.h>

namespace {

// Running programs learn of the change; only the double-click time is also kept in the profile.
constexpr UINT kNotifyOnly = SPIF_SENDCHANGE;
constexpr UINT kSaveAndNotify = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

} // namespace

std::optional<MouseAcceleration> Win32PointerSystem::mouseAcceleration() {
    int values[3]{};
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0)) {
        return std::nullopt;
    }
    return MouseAcceleration{values[0], values[1], values[2]};
}

bool Win32PointerSystem::setMouseAcceleration(const MouseAcceleration& value) {
    int values[3]{value.threshold1, value.threshold2, value.acceleration};
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values, kNotifyOnly) != FALSE;
}

std::optional<uint32_t> Win32PointerSystem::mouseSpeed() {
    int speed = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(speed);
}

bool Win32PointerSystem::setMouseSpeed(uint32_t speed) {
    // The speed travels in the pointer argument itself. Windows ignores the first argument of this
    // call; Wine takes the speed from it and would set 0, so it carries the speed too.
    return SystemParametersInfoW(SPI_SETMOUSESPEED, speed,
                                 reinterpret_cast<PVOID>(static_cast<UINT_PTR>(speed)), kNotifyOnly) != FALSE;
}

std::optional<uint32_t> Win32PointerSystem::wheelScrollLines() {
    UINT lines = 0;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(lines);
}

bool Win32PointerSystem::setWheelScrollLines(uint32_t lines) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kNotifyOnly) != FALSE;
}

std::optional<uint32_t> Win32PointerSystem::doubleClickTime() {
    // 0 is how GetDoubleClickTime reports a failure.
    const UINT milliseconds = GetDoubleClickTime();
    if (milliseconds == 0) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(milliseconds);
}

bool Win32PointerSystem::setDoubleClickTime(uint32_t milliseconds) {
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kSaveAndNotify) != FALSE;
}

#include <gtest/gtest.h>

#include <optional>

#include "settings/win/win32_pointer_system.h"

namespace {

// What the port sets is what Windows reports back: the speed travels in the call's second argument
// on Windows and in its first under Wine; one screen per notch is a value of its own.
TEST(Win32PointerSystem, ValueSetIsValueReadBack) {
    Win32PointerSystem system;
    const std::optional<uint32_t> speed = system.mouseSpeed();
    const std::optional<uint32_t> wheel = system.wheelScrollLines();
    ASSERT_TRUE(speed && wheel);
    for (const uint32_t value : {16u, 2u}) {
        EXPECT_TRUE(system.setMouseSpeed(value));
        EXPECT_EQ(system.mouseSpeed(), value);
    }
    EXPECT_TRUE(system.setWheelScrollLines(kWheelScrollPage));
    EXPECT_EQ(system.wheelScrollLines(), kWheelScrollPage);
    system.setMouseSpeed(*speed);
    system.setWheelScrollLines(*wheel);
}

} // namespace

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "settings/win/win32_pointer_system.h"

namespace {

struct RoundTrip {
    const char* name;
    std::function<bool(Win32PointerSystem&, uint32_t)> set;
    std::function<std::optional<uint32_t>(Win32PointerSystem&)> get;
    uint32_t value;
};

// What the port sets is what the system reports back. The speed travels in the call's second
// argument on Windows and in its first under Wine; one screen per notch is its own value.
TEST(Win32PointerSystem, ValueSetIsValueReadBack) {
    const RoundTrip kCases[] = {
        {"speed", &Win32PointerSystem::setMouseSpeed, &Win32PointerSystem::mouseSpeed, 16},
        {"speed", &Win32PointerSystem::setMouseSpeed, &Win32PointerSystem::mouseSpeed, 2},
        {"wheel", &Win32PointerSystem::setWheelScrollLines, &Win32PointerSystem::wheelScrollLines, 7},
        {"wheel", &Win32PointerSystem::setWheelScrollLines, &Win32PointerSystem::wheelScrollLines,
         kWheelScrollPage},
    };
    Win32PointerSystem system;
    for (const RoundTrip& c : kCases) {
        const std::optional<uint32_t> before = c.get(system);
        ASSERT_TRUE(before) << c.name;
        EXPECT_TRUE(c.set(system, c.value)) << c.name;
        EXPECT_EQ(c.get(system), c.value) << c.name;
        c.set(system, *before);
    }
}

} // namespace

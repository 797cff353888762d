#include <gtest/gtest.h>

#include "device/interface_selection.h"

namespace {

struct NameCase {
    const wchar_t* name;
    bool isMouse;
};

const NameCase kCases[] = {
    {L"\\\\?\\HID#Vid_04d9&Pid_a09f&MI_01&Col02#8&1a2b3c4d&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}",
     true},
    {L"\\\\?\\HID#VID_04D9&PID_A09F&MI_02#7&2c3d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", true},
    {L"VID_04D9&PID_A09F", true},
    {L"\\\\?\\hid#vid_04d9&pid_a09f&mi_01#8&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", false},
    {L"\\\\?\\HID#VID_04d9&PID_a09f&MI_01#8&1a2b&0&0000", false},
    {L"\\\\?\\HID#Vid_04d9&Pid_a0a0&MI_01#8&1a2b&0&0000", false},
    {L"\\\\?\\HID#VID_046D&PID_C077#7&1234&0&0000", false},
    {L"Vid_04d9&Pid_a09", false},
    {L"", false},
};

TEST(MouseInterfaceName, RecognisesOnlyTheTwoSpellings) {
    for (const NameCase& c : kCases) {
        EXPECT_EQ(isMouseInterfaceName(c.name), c.isMouse) << testing::PrintToString(std::wstring(c.name));
    }
}

} // namespace

#pragma once

#include <string_view>

// Whether a device-interface name from an arrival or removal broadcast belongs to the mouse. The name
// is searched case-sensitively for the vendor and product IDs in the two spellings Windows uses,
// "Vid_04d9&Pid_a09f" and "VID_04D9&PID_A09F"; any other spelling is not the mouse.
bool isMouseInterfaceName(std::wstring_view interfaceName);

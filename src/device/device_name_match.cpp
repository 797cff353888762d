#include "device/device_name_match.h"

bool isMouseInterfaceName(std::wstring_view interfaceName) {
    return interfaceName.find(L"Vid_04d9&Pid_a09f") != std::wstring_view::npos ||
           interfaceName.find(L"VID_04D9&PID_A09F") != std::wstring_view::npos;
}

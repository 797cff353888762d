#pragma once

#include <windows.h>

// The HID user-mode API. MinGW's headers declare it without C linkage, so they are wrapped here.
extern "C" {
#include <hidsdi.h>
}

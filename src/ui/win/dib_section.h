#pragma once

#include <windows.h>

// A 32-bit top-down DIB section of the given size; `bits` receives its pixels (BGRA, row 0 first).
// nullptr if it could not be created. The caller owns the bitmap.
HBITMAP createTopDownDib(int width, int height, void** bits);

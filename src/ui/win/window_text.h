#pragma once

#include <windows.h>

#include <string>

// The whole text of a window or control.
std::wstring windowText(HWND window);

#pragma once

#include <windows.h>

// Creates a visible child control of `parent` covering (left, top)-(right, bottom), using `font`.
HWND createPageControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, RECT rect,
                       int id, HFONT font);

#pragma once

#include <windows.h>

// Copies `bitmap` 1:1 into `area` of `target` through a memory DC. Does nothing without a bitmap.
void copyBitmapToDc(HDC target, HBITMAP bitmap, const RECT& area);

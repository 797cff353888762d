#pragma once

#include <windows.h>

#include <string>

#include "skin/win/png_image.h"

// Draws `image` with its top-left corner at (x, y) and at its own size, never scaled or clipped to
// a hot area: blended pixel by pixel when the image has an alpha channel, copied opaque otherwise.
void drawPngImage(HDC surface, const PngImage& image, int x, int y);

// Draws the skin image in the PNG file `path` at (x, y). Returns false and draws nothing when there
// is no surface or the file is missing or cannot be decoded. This is the main window's variant: a
// failure stays silent. Without a cache the file is read and decoded for this one draw.
bool LoadPng(HDC surface, const std::wstring& path, int x, int y, PngCache* cache = nullptr);

// The dialogs' variant: a file that cannot be loaded is also reported with the message box
// "LoadPng---Load image failed." owned by `owner`, captioned with the application's name. The
// dialog stays usable.
bool LoadPngInDialog(HWND owner, HDC surface, const std::wstring& path, int x, int y,
                     PngCache* cache = nullptr);

// The text of that message box.
inline constexpr wchar_t kLoadPngFailedText[] = L"LoadPng---Load image failed.";

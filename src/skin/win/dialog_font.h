#pragma once

#include <windows.h>

#include <string_view>

// The font of a skinned dialog for the "Lan" code, created by the same rule as the main window's
// normal font (the face depends on the Windows version for Simplified Chinese). The caller owns it.
HFONT createDialogFont(std::wstring_view languageCode);

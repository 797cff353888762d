#pragma once

#include <windows.h>

#include <string_view>

struct FontSpec;

// A font of the given face, height and weight with the program's fixed look (no italics, default
// quality, swiss pitch and family). The caller owns it.
HFONT createFontFrom(const FontSpec& font);

// The font of a skinned dialog for the "Lan" code, created by the same rule as the main window's
// normal font (the face depends on the Windows version for Simplified Chinese). The caller owns it.
HFONT createDialogFont(std::wstring_view languageCode);

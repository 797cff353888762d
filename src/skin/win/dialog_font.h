#pragma once

#include <windows.h>

struct FontSpec;

// A font of the given face, height and weight with the program's fixed look (no italics, default
// quality, swiss pitch and family). The caller owns it.
HFONT createFontFrom(const FontSpec& font);

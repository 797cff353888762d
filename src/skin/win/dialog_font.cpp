#include "skin/win/dialog_font.h"

#include "lang/font_choice.h"

HFONT createFontFrom(const FontSpec& font) {
    return CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFontPitchAndFamily, font.face.c_str());
}

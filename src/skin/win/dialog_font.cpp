#include "skin/win/dialog_font.h"

#include "lang/font_choice.h"

HFONT createDialogFont(std::wstring_view languageCode) {
    // GetVersion answers as the manifest lets it, which is what decides the Simplified Chinese face.
    const DWORD version = GetVersion();
    const FontSpec spec = chooseDialogFont(languageCode, LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)));
    return CreateFontW(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFontPitchAndFamily, spec.face.c_str());
}

#pragma once

// The program's fonts: one made from a language's font choice, and one shrunk to fit texts whose
// place cannot grow.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/win/scoped_handle.h"

struct FontSpec;

// A font of the given face, height and weight with the program's fixed look (no italics, default
// quality, swiss pitch and family). The caller owns it.
HFONT createFontFrom(const FontSpec& font);

// How a smaller font's cell height is found.
enum class FontShrink {
    // The largest height at which every text fits (captions and fields of the pages and dialogs).
    LargestThatFits,
    // The height scaled down by how much the widest text overflows the box, in one step (the choice
    // a function dialog's drop-down shows, one line).
    InProportion,
};

// A font like `font`, only as much smaller as each of `texts` needs to fit a box of `box` pixels
// when drawn with the DrawText `format` (one line, or word-wrapped), for texts whose place cannot
// grow: the mouse-event header between the event list and the page's edge, the lighting fields,
// the repeat options of the macro-key dialog, the choice shown by a dialog's drop-down. The cell
// height is 9 pixels at the least: below that a text is cut instead. Nothing (an invalid font)
// when `font` fits already: the caller keeps it. `window` lends its DC for the measuring.
UniqueFont fontFitting(HWND window, HFONT font, const std::vector<std::wstring>& texts, SIZE box, UINT format,
                       FontShrink shrink = FontShrink::LargestThatFits);

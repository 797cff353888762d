#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/win/scoped_handle.h"

// A font like `font`, only as much smaller as each of `texts` needs to fit a box of `box` pixels
// when drawn with the DrawText `format` (one line, or word-wrapped), for captions whose place
// cannot grow: the mouse-event header between the event list and the page's edge, the repeat
// options of the macro-key dialog. Nothing (an invalid font) when `font` fits already: the caller
// keeps it. `window` lends its DC for the measuring.
UniqueFont fontFitting(HWND window, HFONT font, const std::vector<std::wstring>& texts, SIZE box,
                       UINT format);

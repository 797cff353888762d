#pragma once

#include "common/geometry.h"

// The client area every page is laid out for (kMainWindowArea: the size of a skin's main.png) and
// where the main window's child controls stand (k<Name>Rect), in client pixels, from the page layout
// (page_layout.inc). The drop-down lists, swatches and macro lists cover the hot areas of the same
// name (hot_area.h); these are the rest.
#define PAGE_WINDOW(width, height) inline constexpr Rect kMainWindowArea{0, 0, width, height};
#define AREA_KIND(area, role)
#define HOT_AREA(table, area, index, subIndex, left, top, right, bottom)
#define PAGE_CONTROL(name, left, top, right, bottom)                                                         \
    inline constexpr Rect k##name##Rect{left, top, right, bottom};
#include "app/page_layout.inc"
#undef PAGE_CONTROL
#undef HOT_AREA
#undef AREA_KIND
#undef PAGE_WINDOW

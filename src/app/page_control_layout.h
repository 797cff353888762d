#pragma once

#include "common/geometry.h"

// The client area every page is laid out for: the size of a skin's main.png.
inline constexpr Rect kMainWindowArea{0, 0, 888, 660};

// Where the main window's child controls stand, in client pixels. The drop-down lists, swatches and
// macro lists cover the hot areas of the same name (hot_area.h); these are the rest.

// The statics showing the lighting choices (80, 81, 82) cover their headers except the rightmost
// 16 pixels, where the page image shows the drop-down arrow.
inline constexpr Rect kLightingModeTextRect{767, 330, 835, 344};
inline constexpr Rect kLightingParameterTextRect{767, 360, 835, 374};
inline constexpr Rect kLightingEffectTextRect{767, 390, 835, 404};

// Static 119 in the mouse-event header, 15 pixels short of its right edge.
inline constexpr Rect kMouseEventHeaderTextRect{735, 402, 839, 416};

// The macro controls of the Advanced page.
inline constexpr Rect kMacroListBoxRect{462, 220, 591, 512};
inline constexpr Rect kEventListBoxRect{592, 220, 725, 512};
inline constexpr Rect kMacroNameLabelRect{735, 300, 874, 316};
inline constexpr Rect kMacroNameEditRect{735, 318, 854, 336};
inline constexpr Rect kLoopTimesLabelRect{735, 342, 874, 358};
inline constexpr Rect kLoopTimesEditRect{735, 360, 854, 378};

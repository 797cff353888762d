#pragma once

#include "common/geometry.h"

// The hot areas of the skins dialog, in client pixels (right and bottom exclusive).
enum class SkinsDialogArea {
    Close,
    Ok,
    Cancel,
    ColourPrompt,
    ColourSwatch,
    SkinHeader,
    SkinList,
};

Rect skinsDialogRect(SkinsDialogArea area);

// The sunken static that shows the skin's name covers the header except its right end, where the
// dialog background shows the drop-down arrow.
inline constexpr Rect kSkinNameControlRect{42, 128, 136, 144};

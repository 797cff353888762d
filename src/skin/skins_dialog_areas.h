#pragma once

#include <vector>

#include "common/dialog_focus.h"
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

// The identifiers of the skin name's display and the colour swatch.
inline constexpr int kSkinsDialogSkinNameId = 560;
inline constexpr int kSkinsDialogColourSwatchId = 561;

// The colour swatch, the skin drop-down, OK and Cancel.
std::vector<DialogStop> skinsDialogKeyboardOrder();

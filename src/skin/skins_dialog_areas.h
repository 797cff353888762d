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

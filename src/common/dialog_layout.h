#pragma once

#include "common/geometry.h"

// The skinned dialogs' areas (dialog_layout.inc) as constants named after the dialog and the area:
// dialog_layout::Ok for the OK button every dialog has, dialog_layout::FireKeySpeedEdit for one
// dialog's own area.
namespace dialog_layout {

#define DIALOG_FRAME(name, l, t, r, b) inline constexpr Rect name{l, t, r, b};
#define DIALOG_AREA(dialog, image, name, l, t, r, b) inline constexpr Rect dialog##name{l, t, r, b};
#include "common/dialog_layout.inc"
#undef DIALOG_FRAME
#undef DIALOG_AREA

} // namespace dialog_layout

#pragma once

#include "common/geometry.h"

// Where the main window stands when no skin gives it a size: the size the pages are laid out for,
// cut down to the work area where that is smaller, and centred in the work area (screen pixels),
// so that the whole window is on the screen.
Rect skinlessWindowRect(const Rect& workArea);

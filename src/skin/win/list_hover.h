#pragma once

#include <windows.h>

// The pointer-follows-selection behaviour of the skins' drop-down lists: when the pointer is over
// `list`, the item under it becomes the selection (without a selection-change notification, so
// nothing is chosen until a click). Does nothing when the pointer is elsewhere or `list` is nullptr.
void selectListItemUnderPointer(HWND list);

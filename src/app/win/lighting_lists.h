#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lang/language.h"
#include "ui/win/scoped_handle.h"

// The pop-up lists of the lighting panel on the Basic page: 63 modes, 64 the mode's parameter,
// 65 effects, each over its list area under its field.

// Every text a lighting field or list shows in the language: the names of the modes and effects and
// the parameter entries of every mode.
std::vector<std::wstring> allLightingTexts(const UiTexts& texts);

// Creates lighting list `list` (0..2) filled with `items`, in `font`, above the page's other
// controls. It scrolls when the items do not fit (the 30 Neon cycles).
HWND createLightingList(HWND parent, HFONT font, uint8_t list, const std::vector<std::wstring>& items);

// The entry a list's notification chose: a click or a double click on an item; nothing for other
// notifications or without a selection.
std::optional<std::size_t> chosenListEntry(HWND list, int notification);

// Closes a list from inside its own notification: the list box still runs the code that sent it,
// so the list is hidden now and destroyed once it is done.
void closeListAfterNotification(UniqueWindow& list);

#pragma once

#include <windows.h>

#include <optional>

// Runs the system colour chooser over `owner`, opening on black with the program's sixteen custom
// colours (kept while the program runs, shared by every chooser it opens). The chosen colour, or
// nothing when the user cancelled.
std::optional<COLORREF> chooseColour(HWND owner);

#pragma once

#include <windows.h>

#include <vector>

#include "settings/pointer_settings.h"

// Shows each refusal of the system's pointer settings in its own box, in order, owned by `owner`.
void showPointerMessages(HWND owner, const std::vector<PointerMessage>& messages);

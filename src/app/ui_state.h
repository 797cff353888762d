#pragma once

#include <string>

#include "skin/text_colour.h"

// What the main window publishes at start-up for every dialog of the program: where the skin
// images are, which skin and language were chosen and the colour of drawn texts.
struct UiState {
    std::wstring skinFolderPath;
    std::wstring skinName;
    std::wstring languageCode;
    TextColour uiTextColor;
};

// The one process-wide instance, filled by the main window's start-up.
UiState& uiState();

// The application's name as captions show it: the executable's file name without its extension.
std::wstring applicationTitle(const std::wstring& exePath);

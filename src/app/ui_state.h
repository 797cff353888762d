#pragma once

#include <string>

#include "config/profile_store.h"
#include "skin/skins_dialog_model.h"
#include "skin/text_colour.h"

// What the main window draws with and hands to its dialogs: where the skin images are, which skin
// and language were chosen and the colour of drawn texts.
struct UiState {
    std::wstring skinFolderPath;
    std::wstring skinName;
    std::wstring languageCode;
    TextColour uiTextColor;

    SkinChoice skinChoice() const { return {skinName, skinFolderPath, uiTextColor}; }
};

// Makes `choice` the program's skin folder, skin name and text colour, and stores it in str.ini.
void applySkinChoice(UiState& ui, ProfileStore& settings, const SkinChoice& choice);

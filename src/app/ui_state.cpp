#include "app/ui_state.h"

void applySkinChoice(UiState& ui, ProfileStore& settings, const SkinChoice& choice) {
    ui.skinFolderPath = choice.skinFolder;
    ui.uiTextColor = choice.textColour;
    ui.skinName = choice.skinName;
    commitSkinChoice(settings, choice);
}

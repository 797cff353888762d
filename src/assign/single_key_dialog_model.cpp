#include "assign/single_key_dialog_model.h"

std::wstring SingleKeyDialogModel::prompt(const UiTexts& texts) {
    return texts[TextKey::SingleKeyPrompt];
}

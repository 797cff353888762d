#include "assign/combo_key_dialog_model.h"

#include "assign/key_names.h"

namespace {

std::vector<std::wstring> modifierTexts() {
    std::vector<std::wstring> texts;
    for (const std::wstring_view name : modifierItems()) {
        texts.emplace_back(name);
    }
    return texts;
}

} // namespace

ComboKeyDialogModel::ComboKeyDialogModel(const UiTexts& texts)
    : texts_(texts), modifiers_(kComboModifierLayout, modifierTexts(), {}) {}

DialogAnswer<std::optional<ComboKeyEdit>> ComboKeyDialogModel::onKeyCaptured(std::wstring_view keyName,
                                                                             ComboKeyEdit focus) {
    if (!editsEnabled() || focus == ComboKeyEdit::None) {
        return {std::nullopt, choice()};
    }
    (focus == ComboKeyEdit::First ? firstKey_ : secondKey_) = keyName;
    return {focus, choice()};
}

std::vector<DialogStop> ComboKeyDialogModel::keyboardOrder() const {
    return withOkAndCancel({dropDownStop(modifiers_.layout()),
                            {dialog_layout::ComboKeyFirstKeyEdit, FocusRole::Edit, kComboFirstKeyEditId},
                            {dialog_layout::ComboKeySecondKeyEdit, FocusRole::Edit, kComboSecondKeyEditId}});
}

ComboKeyDialogTexts comboKeyDialogTexts(const UiTexts& texts) {
    return {texts[TextKey::CaptureDialogShortcuts], texts[TextKey::AccessModifierKey],
            texts[TextKey::AccessFirstKey], texts[TextKey::AccessSecondKey]};
}

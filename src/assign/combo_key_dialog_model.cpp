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

ComboKeyDialogModel::ComboKeyDialogModel() : modifiers_(kComboModifierLayout, modifierTexts(), {}) {}

std::optional<ComboKeyEdit> ComboKeyDialogModel::onKeyCaptured(std::wstring_view keyName,
                                                               ComboKeyEdit focus) {
    if (!editsEnabled() || focus == ComboKeyEdit::None) {
        return std::nullopt;
    }
    (focus == ComboKeyEdit::First ? firstKey_ : secondKey_) = keyName;
    return focus;
}

#include "assign/default_button_labels.h"

#include <array>

ButtonLabels defaultButtonLabels(const UiTexts& texts) {
    static constexpr std::array kFirstFunctions{TextKey::LeftClick, TextKey::RightClick, TextKey::MidClick,
                                                TextKey::Forward, TextKey::Backward};
    ButtonLabels labels;
    for (std::size_t slot = 0; slot < kFirstFunctions.size(); ++slot) {
        labels[slot] = texts[kFirstFunctions[slot]];
    }
    // The DPI switch names are the same in every language.
    labels[5] = L"DPI +";
    labels[6] = L"DPI -";
    for (std::size_t slot = 7; slot < labels.size(); ++slot) {
        labels[slot] = texts[TextKey::KeyOff];
    }
    return labels;
}

void storeDefaultButtonLabels(AppSettings& settings, const UiTexts& texts) {
    settings.labelsA = defaultButtonLabels(texts);
    settings.labelsB = settings.labelsA;
}

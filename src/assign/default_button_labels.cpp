#include "assign/default_button_labels.h"

#include <array>

#include "assign/assignment_labels.h"
#include "assign/matrix_entries.h"

ButtonLabels defaultButtonLabels(const UiTexts& texts) {
    static constexpr std::array kFirstFunctions{TextKey::LeftClick, TextKey::RightClick, TextKey::MidClick,
                                                TextKey::Forward, TextKey::Backward};
    ButtonLabels labels;
    for (std::size_t slot = 0; slot < kFirstFunctions.size(); ++slot) {
        labels[slot] = texts[kFirstFunctions[slot]];
    }
    labels[5] = dpiSwitchLabel(kDpiUp);
    labels[6] = dpiSwitchLabel(kDpiDown);
    for (std::size_t slot = 7; slot < labels.size(); ++slot) {
        labels[slot] = texts[TextKey::KeyOff];
    }
    return labels;
}

void storeDefaultButtonLabels(AppSettings& settings, const UiTexts& texts) {
    settings.labelsA = defaultButtonLabels(texts);
    settings.labelsB = settings.labelsA;
}

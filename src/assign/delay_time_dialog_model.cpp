#include "assign/delay_time_dialog_model.h"

#include "assign/edit_number.h"

DelayTimeDialogTexts delayTimeDialogTexts(const UiTexts& texts) {
    return {texts[TextKey::DelayPrompt], texts[TextKey::DelayRangeNote]};
}

int DelayTimeDialogModel::delayValue() const {
    return editTextNumber(text_);
}

#include "skin/dialog_look.h"

DialogButtonCaptions dialogButtonCaptions(const UiTexts& texts) {
    return {texts[TextKey::DialogOk], texts[TextKey::DialogCancel]};
}

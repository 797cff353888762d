#pragma once

#include <string>

#include "lang/font_choice.h"
#include "lang/language.h"
#include "skin/text_colour.h"

// The captions of the OK and Cancel buttons that every skinned dialog draws on its skin buttons.
struct DialogButtonCaptions {
    std::wstring ok;
    std::wstring cancel;
    bool operator==(const DialogButtonCaptions&) const = default;
};

// The dialogs' captions in the chosen language. The dialogs say "Löschen" in German where the main
// window says "Abbrechen".
inline DialogButtonCaptions dialogButtonCaptions(const UiTexts& texts) {
    return {texts[TextKey::DialogOk], texts[TextKey::DialogCancel]};
}

// What a skinned dialog is drawn with. The window that opens the dialog hands it over, so a dialog
// reads no process-wide state.
struct DialogLook {
    std::wstring skinFolder; // full path of the skin folder in use
    FontSpec font;           // the dialog creates and owns a font of this kind
    TextColour textColour;   // the UI text colour, for the frame buttons' captions
    DialogButtonCaptions captions;
    // What a screen reader calls the default action of an area the dialog draws ("Press").
    std::wstring pressAction{};
};

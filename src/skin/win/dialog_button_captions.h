#pragma once

#include <string>
#include <string_view>

// The captions of the OK and Cancel buttons that every skinned dialog draws on its skin buttons.
struct DialogButtonCaptions {
    std::wstring ok;
    std::wstring cancel;
    bool operator==(const DialogButtonCaptions&) const = default;
};

// By the "Lan" code compared whole: "CHS", "CHT", "GER", anything else English. The dialogs say
// "Löschen" in German where the main window says "Abbrechen".
DialogButtonCaptions dialogButtonCaptions(std::wstring_view languageCode);

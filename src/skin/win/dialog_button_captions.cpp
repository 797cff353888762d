#include "skin/win/dialog_button_captions.h"

DialogButtonCaptions dialogButtonCaptions(std::wstring_view languageCode) {
    if (languageCode == L"CHS") {
        return {L"确定", L"取消"};
    }
    if (languageCode == L"CHT") {
        return {L"確定", L"取消"};
    }
    if (languageCode == L"GER") {
        return {L"OK", L"Löschen"};
    }
    return {L"OK", L"Cancel"};
}

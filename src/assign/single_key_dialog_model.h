#pragma once

#include <string>
#include <string_view>

#include "assign/function_choice.h"
#include "common/dialog_layout.h"
#include "lang/language.h"

// The single-key dialog: the user presses a key and the dialog shows its name.
inline constexpr wchar_t kSingleKeyDialogLoadFailure[] = L"Single Key Dialog Load background image failed!!!";
inline constexpr int kSingleKeyNameId = 502; // sunken, centred static

class SingleKeyDialogModel {
public:
    explicit SingleKeyDialogModel(const UiTexts& texts) : texts_(texts) {}

    // "Please enter a key" in the current language.
    static std::wstring prompt(const UiTexts& texts);

    // The keyboard hook captured the name of the latest key event (press, repeat or release): the
    // static shows it. Answers what OK hands back from now on.
    FunctionChoice onKeyCaptured(std::wstring_view keyName) {
        keyName_ = keyName;
        return choice();
    }
    const std::wstring& keyName() const { return keyName_; }

    // What OK hands back: the key of the name, which is empty when no key was pressed.
    FunctionChoice choice() const { return singleKeyChoice(texts_, keyName_); }

private:
    const UiTexts& texts_;
    std::wstring keyName_;
};

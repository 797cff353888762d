#include "app/win/function_dialogs.h"

#include "assign/win/combo_key_dialog.h"
#include "assign/win/consumer_key_dialogs.h"
#include "assign/win/fire_key_dialog.h"
#include "assign/win/single_key_dialog.h"
#include "macro/win/macro_dialog.h"

namespace {

// The dialog keeps what its model last answered; OK hands that back as it stands.
template <typename DialogClass>
std::optional<FunctionChoice> choiceOf(DialogClass& dialog, HWND owner) {
    if (dialog.runModal(owner) != IDOK) {
        return std::nullopt;
    }
    return dialog.choice();
}

} // namespace

std::optional<FunctionChoice> runFunctionDialog(HWND owner, const DialogLook& look, const UiTexts& texts,
                                                FunctionDialog dialog) {
    switch (dialog) {
    case FunctionDialog::WindowsKey: {
        CWindowsDialog windowsDialog(look, texts);
        return choiceOf(windowsDialog, owner);
    }
    case FunctionDialog::MultimediaKey: {
        CMediaDialog mediaDialog(look, texts);
        return choiceOf(mediaDialog, owner);
    }
    case FunctionDialog::FireKey: {
        CFireKeyDialog fireKeyDialog(look, texts);
        return choiceOf(fireKeyDialog, owner);
    }
    case FunctionDialog::SingleKey: {
        CSingleDialog singleDialog(look, texts);
        return choiceOf(singleDialog, owner);
    }
    case FunctionDialog::ComboKey: {
        CComboDialog comboDialog(look, texts);
        return choiceOf(comboDialog, owner);
    }
    case FunctionDialog::MacroKey:
        return runMacroDialog(owner, look, texts);
    }
    return std::nullopt;
}

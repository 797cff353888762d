#pragma once

#include <windows.h>

#include <optional>

#include "assign/dialog_choice.h"
#include "lang/language.h"
#include "skin/dialog_look.h"

// Runs the dialog of a function list item modally over the main window `owner` and returns what it
// chose; nothing when it was cancelled, closed, or could not show. The assignment group takes it
// as its RunFunctionDialog.
std::optional<DialogChoice> runFunctionDialog(HWND owner, const DialogLook& look, const UiTexts& texts,
                                              FunctionDialog dialog);

#pragma once

#include <windows.h>

#include <optional>

#include "assign/assignment_group_model.h"
#include "lang/language.h"
#include "skin/dialog_look.h"

// Runs the dialog of a function list item modally over the main window `owner` and returns what it
// chose; nothing when it was cancelled, closed, or could not show.
std::optional<FunctionChoice> runFunctionDialog(HWND owner, const DialogLook& look, const UiTexts& texts,
                                                FunctionDialog dialog);

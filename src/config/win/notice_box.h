#pragma once

#include <windows.h>

#include "lang/notice.h"

// Shows `notice` in a message box owned by `owner` and returns once the user closed it; text keys are
// read in `texts`' language. Every message box of the program goes through here.
void showNotice(HWND owner, const Notice& notice, const UiTexts& texts = UiTexts());

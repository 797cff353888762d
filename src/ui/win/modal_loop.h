#pragma once

#include <windows.h>

#include "ui/win/dialog.h"

// Runs the message loop of the created `dialog` until its window is gone or the thread receives
// WM_QUIT. Every message for the dialog or one of its child windows first goes to the dialog's
// preTranslateMessage, then to the dialog keyboard handling, so the dialog's pre-filter sees every
// key before any control does.
void runModalLoop(Dialog& dialog);

// One step of that loop for a message already taken from the queue: true when the message was
// used by the dialog's pre-filter or keyboard handling and must not be dispatched.
bool routeDialogMessage(Dialog& dialog, MSG& message);

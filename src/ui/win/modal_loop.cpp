#include "ui/win/modal_loop.h"

#include "ui/win/message_wait.h"

namespace {

bool belongsToDialog(HWND dialog, HWND target) {
    return target != nullptr && (target == dialog || IsChild(dialog, target));
}

} // namespace

bool routeDialogMessage(Dialog& dialog, MSG& message) {
    const HWND window = dialog.hwnd();
    if (window == nullptr || !belongsToDialog(window, message.hwnd)) {
        return false;
    }
    return dialog.preTranslateMessage(message) || IsDialogMessageW(window, &message);
}

void runModalLoop(Dialog& dialog) {
    const HWND window = dialog.hwnd();
    MSG message{};
    while (IsWindow(window) && nextMessage(message) > 0) {
        if (!routeDialogMessage(dialog, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

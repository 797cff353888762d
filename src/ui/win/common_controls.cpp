#include "ui/win/common_controls.h"

#include <windows.h>

#include <commctrl.h>

void registerCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    static_cast<void>(registered);
}

#include "app/win/gorvik_app.h"

#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "app/win/resource_ids.h"
#include "ui/win/modal_loop.h"

namespace {

// The main window is a dialog of its own class: a copy of the system dialog class under the name
// the dialog template asks for.
bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(nullptr, WC_DIALOG, &windowClass)) {
        return false;
    }
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassW(&windowClass) != 0;
}

} // namespace

int CGorvikApp::run() {
    initInstance();
    return exitInstance();
}

bool CGorvikApp::initInstance() {
    if (!registerMainWindowClass(instance_)) {
        return false;
    }

    CGorvikDlg mainWindow(instance_);
    if (mainWindow.create(instance_, IDD_MAIN_WINDOW) != nullptr) {
        runModalLoop(mainWindow);
    }
    return false;
}

int CGorvikApp::exitInstance() {
    return 0;
}

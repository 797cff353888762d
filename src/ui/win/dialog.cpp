#include "ui/win/dialog.h"

HWND Dialog::create(HINSTANCE instance, int templateId, HWND parent) {
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), parent, &Dialog::dialogProc,
                              reinterpret_cast<LPARAM>(this));
}

HWND Dialog::create(HINSTANCE instance, const DLGTEMPLATE& dialogTemplate, HWND parent) {
    return CreateDialogIndirectParamW(instance, &dialogTemplate, parent, &Dialog::dialogProc,
                                      reinterpret_cast<LPARAM>(this));
}

bool Dialog::preTranslateMessage(MSG&) {
    return false;
}

INT_PTR Dialog::result(LRESULT value) {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, value);
    return TRUE;
}

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE;
    }
    const INT_PTR handled = self->onMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

#pragma once

#include <windows.h>

// Base of every dialog of the shell. The static dialog procedure takes `this` from the
// WM_INITDIALOG parameter, keeps it in DWLP_USER and hands every later message to onMessage. A
// dialog is tied to its window, so it cannot be copied.
class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    HWND hwnd() const { return hwnd_; }

    // Creates the dialog modelessly from a template resource of `instance`; nullptr if that failed.
    HWND create(HINSTANCE instance, int templateId, HWND parent = nullptr);
    // The same from a template in memory (dialogs whose window is built entirely in code).
    HWND create(HINSTANCE instance, const DLGTEMPLATE& dialogTemplate, HWND parent = nullptr);

    // Sees every message the modal loop takes from the queue for this dialog or one of its child
    // windows before it is dispatched; true swallows the message.
    virtual bool preTranslateMessage(MSG& message);

protected:
    // Returns FALSE to let the system's dialog processing handle the message, otherwise what the
    // dialog procedure returns (use result() for messages whose result goes through DWLP_MSGRESULT).
    virtual INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Marks a message as handled with `value` as its result.
    INT_PTR result(LRESULT value);

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

#pragma once

#include <windows.h>

// Base of the shell's plain (non-dialog) windows. The static window procedure takes `this` from
// the creation parameters at WM_NCCREATE, keeps it in GWLP_USERDATA and hands every later message
// to onMessage. A window object is tied to its window, so it cannot be copied.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

    // Registers `className` once per process with this class's window procedure.
    static bool registerClass(HINSTANCE instance, const wchar_t* className);

    // Creates the window; a parent of HWND_MESSAGE makes a message-only window.
    HWND create(HINSTANCE instance, const wchar_t* className, const wchar_t* title, DWORD style,
                HWND parent = nullptr);

protected:
    // Handles one message; call defaultProcessing() for what the window leaves to the system.
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT defaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

#include "app/win/page_controls.h"

HWND createPageControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, RECT rect,
                       int id, HFONT font) {
    const HWND control = CreateWindowExW(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr && font != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

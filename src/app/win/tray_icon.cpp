#include "app/win/tray_icon.h"

#include <cwchar>

#include "app/win/app_messages.h"

TrayIcon::TrayIcon(HWND owner, HICON icon, const wchar_t* tooltip) {
    data_.cbSize = NOTIFYICONDATAW_V3_SIZE;
    data_.hWnd = owner;
    data_.uID = kTrayIconId;
    data_.uCallbackMessage = kTrayIconMessage;
    data_.hIcon = icon;
    wcsncpy(data_.szTip, tooltip, std::size(data_.szTip) - 1);
}

bool TrayIcon::add() {
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

bool TrayIcon::showBalloon(const std::wstring& title, const std::wstring& text, unsigned timeoutMs) {
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data_.dwInfoFlags = NIIF_INFO;
    data_.uTimeout = timeoutMs;
    // Longer texts are cut to what the structure holds rather than overrunning it.
    wcsncpy(data_.szInfoTitle, title.c_str(), std::size(data_.szInfoTitle) - 1);
    data_.szInfoTitle[std::size(data_.szInfoTitle) - 1] = L'\0';
    wcsncpy(data_.szInfo, text.c_str(), std::size(data_.szInfo) - 1);
    data_.szInfo[std::size(data_.szInfo) - 1] = L'\0';
    return Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
}

bool TrayIcon::remove() {
    return Shell_NotifyIconW(NIM_DELETE, &data_) != FALSE;
}

#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// The program's notification-area icon. One NOTIFYICONDATAW serves adding, balloons and removal, so
// the icon keeps its identity for the whole run.
class TrayIcon {
public:
    TrayIcon(HWND owner, HICON icon, const wchar_t* tooltip);

    // Adds the icon; also used again after Explorer restarts and forgets it.
    bool add();
    // Shows a balloon over the icon.
    bool showBalloon(const std::wstring& title, const std::wstring& text, unsigned timeoutMs);
    bool remove();

private:
    NOTIFYICONDATAW data_{};
};

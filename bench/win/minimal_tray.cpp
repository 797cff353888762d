// The smallest program that does what the mouse settings program does while it waits: a hidden
// window behind a notification icon, shown by a click on the icon and ended by the Exit command.
// It is the baseline of the footprint benchmark, so it uses the same icon identifier, callback
// message and Exit command as the program and nothing else.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr wchar_t kWindowClass[] = L"GMMinimalTray";
constexpr UINT kTrayIconMessage = WM_USER + 1;
constexpr UINT kTrayIconId = 1;
constexpr UINT kExitCommand = 1028;
// About the size of the skins' main window.
constexpr int kWindowWidth = 880;
constexpr int kWindowHeight = 660;

NOTIFYICONDATAW trayIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = kTrayIconId;
    return data;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kTrayIconMessage:
        if (lParam == WM_LBUTTONUP) {
            ShowWindow(window, SW_SHOW);
            SetForegroundWindow(window);
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExitCommand) {
            NOTIFYICONDATAW data = trayIcon(window);
            Shell_NotifyIconW(NIM_DELETE, &data);
            DestroyWindow(window);
        }
        return 0;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"Minimal tray program", WS_POPUP, CW_USEDEFAULT,
                        CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    NOTIFYICONDATAW data = trayIcon(window);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayIconMessage;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(data.szTip, L"Minimal tray program", ARRAYSIZE(data.szTip));
    Shell_NotifyIconW(NIM_ADD, &data);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

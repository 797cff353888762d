#include "page_commands.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "app/win/app_messages.h"
#include "driver_support.h"

namespace {

// Controls that tell the dialogs apart: the skins dialog's skin name, the colour chooser's red
// field and its OK button.
constexpr int kSkinNameControl = 560;
constexpr int kSkinListControl = 562;
constexpr int kChooserRedField = 706;
constexpr int kChooserGreenField = 707;
constexpr int kChooserBlueField = 708;

HWND mainWindow() {
    return FindWindowW(kMainWindowClass, nullptr);
}

// A visible top-level window of the program that holds `markerControl`.
HWND findProgramDialog(int markerControl) {
    const HWND main = mainWindow();
    if (main == nullptr) {
        return nullptr;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    return shownWindowHolding(process, markerControl);
}

HWND waitForDialog(int markerControl) {
    HWND dialog = nullptr;
    waitFor([&] { return (dialog = findProgramDialog(markerControl)) != nullptr; });
    return dialog;
}

int number(const std::wstring& text) {
    return static_cast<int>(wcstol(text.c_str(), nullptr, 10));
}

int printPixel(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    if (colour == CLR_INVALID) {
        std::printf("no pixel\n");
        return kFailed;
    }
    std::printf("%02x%02x%02x\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return kPassed;
}

// The main window's client area as it is on the screen, 32 bits a pixel.
std::vector<DWORD> clientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(client.right) *
                              static_cast<std::size_t>(client.bottom));
    void* bits = nullptr;
    const HDC windowDc = GetDC(window);
    const HDC memoryDc = CreateCompatibleDC(windowDc);
    const HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        const HGDIOBJ old = SelectObject(memoryDc, bitmap);
        BitBlt(memoryDc, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
        GdiFlush();
        std::copy_n(static_cast<const DWORD*>(bits), pixels.size(), pixels.begin());
        SelectObject(memoryDc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return pixels;
}

// Waits until the window has handled what it was sent and its picture on the screen stays the same
// for a while: what it drew has reached the screen.
int waitUntilSettled(HWND window) {
    constexpr DWORD kStillMs = 300;
    waitUntilHandled(window);
    std::vector<DWORD> before = clientPixels(window);
    const bool settled = waitFor([&] {
        Sleep(kStillMs);
        std::vector<DWORD> now = clientPixels(window);
        const bool still = now == before;
        before = std::move(now);
        return still;
    });
    std::printf("%s\n", settled ? "settled" : "still changing");
    return settled ? kPassed : kFailed;
}

int pickSkin(const std::wstring& name) {
    const HWND dialog = findProgramDialog(kSkinNameControl);
    const HWND list = dialog != nullptr ? GetDlgItem(dialog, kSkinListControl) : nullptr;
    if (list == nullptr) {
        std::printf("no open skin list\n");
        return kFailed;
    }
    const LRESULT entry = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(name.c_str()));
    if (entry == LB_ERR) {
        std::printf("no such skin in the list\n");
        return kFailed;
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kSkinListControl, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return kPassed;
}

int chooseColour(int red, int green, int blue) {
    const HWND chooser = waitForDialog(kChooserRedField);
    if (chooser == nullptr) {
        std::printf("no colour chooser\n");
        return kFailed;
    }
    // The chooser fills its fields while it starts; values entered before that are lost. It has
    // started once it takes sent messages in its own loop; each field is entered until it holds its
    // value.
    waitUntilHandled(chooser);
    const int fields[] = {kChooserRedField, kChooserGreenField, kChooserBlueField};
    const int values[] = {red, green, blue};
    const bool entered = waitFor([&] {
        bool holdsAll = true;
        for (int field = 0; field < 3; ++field) {
            const auto value = static_cast<UINT>(values[field]);
            if (GetDlgItemInt(chooser, fields[field], nullptr, FALSE) != value) {
                SetDlgItemInt(chooser, fields[field], value, FALSE);
                holdsAll = false;
            }
        }
        return holdsAll;
    });
    if (!entered) {
        std::printf("the colour chooser did not take the colour\n");
        return kFailed;
    }
    // The OK button is pressed as a click would press it. The chooser has ended once the window
    // that opened it takes input again.
    const HWND owner = GetWindow(chooser, GW_OWNER);
    PostMessageW(GetDlgItem(chooser, IDOK), BM_CLICK, 0, 0);
    const bool ended =
        waitFor([&] { return !IsWindow(chooser) && (owner == nullptr || IsWindowEnabled(owner)); });
    return ended ? kPassed : kFailed;
}

} // namespace

std::optional<int> runPageCommand(const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    const bool withPoint =
        command == L"click" || command == L"move" || command == L"pixel" || command == L"skins-click";
    const bool known = withPoint || command == L"rect" || command == L"settled" || command == L"dragging" ||
                       command == L"skins-shown" || command == L"skins-pick" || command == L"colour-choose";
    if (!known) {
        return std::nullopt;
    }
    if ((withPoint && args.size() < 3) || (command == L"skins-pick" && args.size() < 2) ||
        (command == L"colour-choose" && args.size() < 4)) {
        return kUsage;
    }
    if (command == L"skins-pick") {
        return pickSkin(args[1]);
    }
    if (command == L"colour-choose") {
        return chooseColour(number(args[1]), number(args[2]), number(args[3]));
    }
    if (command == L"skins-shown" || command == L"skins-click") {
        const HWND dialog = waitForDialog(kSkinNameControl);
        if (dialog == nullptr) {
            std::printf("no skins dialog\n");
            return kFailed;
        }
        if (command == L"skins-click") {
            clickAndWait(dialog, MAKELPARAM(number(args[1]), number(args[2])));
        } else {
            std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(dialog)));
        }
        return kPassed;
    }

    HWND window = nullptr;
    if (!waitFor([&] { return (window = mainWindow()) != nullptr; })) {
        std::printf("no main window\n");
        return kFailed;
    }
    if (command == L"settled") {
        return waitUntilSettled(window);
    }
    if (command == L"dragging") {
        // The system's move loop holds the window's thread until the button is released.
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        const bool dragging =
            waitFor([&] { return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0; });
        std::printf("%s\n", dragging ? "dragging" : "not dragging");
        return dragging ? kPassed : kFailed;
    }
    if (command == L"rect") {
        RECT rect{};
        GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        return kPassed;
    }
    const int x = number(args[1]);
    const int y = number(args[2]);
    if (command == L"pixel") {
        return printPixel(window, x, y);
    }
    if (command == L"click") {
        // The wait ends once the click was handled or a dialog it opened runs its own loop.
        clickAndWait(window, MAKELPARAM(x, y));
        return kPassed;
    }
    // The pointer itself moves there: the system's hover notice follows the real pointer, so
    // posted pointer messages would be undone by the next notice at its real place. The window
    // learns of the move a moment later; a scenario waits for what the pointer changes.
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    return kPassed;
}

// Drives the running program from outside, the way the notification area and the user would:
// finds its main window, hands it notification-icon mouse messages, waits for and chooses the item
// of the pop-up menu and asks the notification area about the icon. (Menus belong to their process,
// so the item texts are checked in the program's menu trace instead.) Each command prints what it found and
// returns 0 on success, 1 when the checked condition does not hold and 2 on a usage error.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "access_commands.h"
#include "app/win/app_messages.h"
#include "assign_commands.h"
#include "device_commands.h"
#include "macro_commands.h"
#include "page_commands.h"
#include "profile_commands.h"
#include "settings_commands.h"
#include "driver_support.h"

namespace {

HWND findMainWindow(DWORD timeoutMs) {
    HWND window = nullptr;
    waitFor([&] { return (window = FindWindowW(kMainWindowClass, nullptr)) != nullptr; }, timeoutMs);
    return window;
}

HWND findPopupMenu(DWORD timeoutMs) {
    HWND menu = nullptr;
    waitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(menu); },
            timeoutMs);
    return menu;
}

UINT mouseMessageByName(const std::wstring& name) {
    if (name == L"move") {
        return WM_MOUSEMOVE;
    }
    if (name == L"left-down") {
        return WM_LBUTTONDOWN;
    }
    if (name == L"left-up") {
        return WM_LBUTTONUP;
    }
    if (name == L"left-double") {
        return WM_LBUTTONDBLCLK;
    }
    if (name == L"right-up") {
        return WM_RBUTTONUP;
    }
    if (name == L"balloon-click") {
        return NIN_BALLOONUSERCLICK;
    }
    return 0;
}

// Asks the notification area whether it knows the icon (hwnd, id): modifying an unknown icon fails.
bool trayIconPresent(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    wcscpy(data.szTip, L"Gaming Mouse Setting");
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool forgetTrayIcon(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

HWND windowArgument(const std::wstring& text) {
    return reinterpret_cast<HWND>(wcstoull(text.c_str(), nullptr, 0));
}

int usage() {
    std::fprintf(
        stderr,
        "usage: e2e_driver find [timeout-ms] | visible | hidden | tray MOUSE-MESSAGE | "
        "menu-shown | menu-choose [N [M]] | menu-keys DOWNS | icon-present HWND | icon-absent HWND | "
        "forget-icon | "
        "taskbar-created | close | key VK | emulator plug SENSOR | emulator unplug | "
        "emulator event CODE VALUE | balloon TEXT [timeout-ms] | no-balloon TEXT [watch-ms] | "
        "click X Y | move X Y | pixel X Y | settled | dragging | rect | skins-shown | "
        "skins-click X Y | skins-pick NAME | colour-choose R G B | pointer-settings | list-items ID | "
        "list-choose ID ITEM | list-item-point ID ITEM | control-text ID | control-shown ID | "
        "control-gone ID | dialog-shown ID | dialog-gone ID | dialog-text ID | dialog-enabled ID | "
        "dialog-item-point ID ITEM | message-box CAPTION | main-text [ID] | profiles-click X Y | "
        "profiles-type ID TEXT | profiles-items ID | profiles-select ID ITEM | file-dialog PATH | "
        "front-window | front-window-close NAME | acc-tree [dialog ID] | acc-focus [dialog ID] | "
        "acc-do N [dialog ID]\n");
    return kUsage;
}

int run(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return usage();
    }
    if (const std::optional<int> handled = runAccessCommand(args)) {
        return *handled;
    }
    if (const std::optional<int> handled = runDeviceCommand(args)) {
        return *handled;
    }
    if (const std::optional<int> handled = runPageCommand(args)) {
        return *handled;
    }
    if (const std::optional<int> handled = runAssignCommand(args)) {
        return *handled;
    }
    if (const std::optional<int> handled = runMacroCommand(args)) {
        return *handled;
    }
    if (const std::optional<int> handled = runSettingsCommand(args)) {
        return *handled;
    }
    if (const std::optional<int> handled = runProfileCommand(args)) {
        return *handled;
    }
    const std::wstring& command = args[0];
    const DWORD timeoutMs =
        args.size() > 1 && command == L"find" ? wcstoul(args[1].c_str(), nullptr, 10) : kWaitMs;

    if (command == L"icon-present" || command == L"icon-absent") {
        if (args.size() < 2) {
            return usage();
        }
        const bool present = trayIconPresent(windowArgument(args[1]));
        std::printf("%s\n", present ? "icon present" : "icon absent");
        return present == (command == L"icon-present") ? kPassed : kFailed;
    }
    if (command == L"menu-keys") {
        // Keys for the menu being tracked, whichever of its windows gets them: DOWNS times down,
        // then Enter, e.g. to choose in a submenu left open by "menu-choose N 0".
        const HWND popup = findPopupMenu(timeoutMs);
        if (popup == nullptr || args.size() < 2) {
            std::printf("no pop-up menu\n");
            return kFailed;
        }
        for (unsigned long step = wcstoul(args[1].c_str(), nullptr, 10); step > 0; --step) {
            PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        }
        PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
        return kPassed;
    }
    if (command == L"menu-shown" || command == L"menu-choose") {
        const HWND popup = findPopupMenu(timeoutMs);
        if (popup == nullptr) {
            std::printf("no pop-up menu\n");
            return kFailed;
        }
        if (command == L"menu-shown") {
            std::printf("pop-up menu shown\n");
            return kPassed;
        }
        // The menu window takes keys while it tracks: select the first item (or the N-th, skipping
        // separators, for "menu-choose N") and choose it. "menu-choose N M" opens the N-th item's
        // submenu, whose first item Enter selects, and chooses its M-th item; with M 0 it leaves the
        // submenu open once it shows.
        const unsigned long item = args.size() > 1 ? wcstoul(args[1].c_str(), nullptr, 10) : 1;
        for (unsigned long step = 0; step < std::max(item, 1ul); ++step) {
            PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        }
        if (args.size() > 2) {
            PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
            const unsigned long subItem = wcstoul(args[2].c_str(), nullptr, 10);
            if (subItem == 0) {
                const auto shownMenus = [] {
                    int shown = 0;
                    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
                         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
                        shown += IsWindowVisible(menu) ? 1 : 0;
                    }
                    return shown;
                };
                return waitFor([&] { return shownMenus() >= 2; }, timeoutMs) ? kPassed : kFailed;
            }
            for (unsigned long step = 1; step < subItem; ++step) {
                PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
            }
        }
        PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
        return kPassed;
    }

    const HWND window = findMainWindow(timeoutMs);
    if (window == nullptr) {
        std::printf("no main window\n");
        return kFailed;
    }
    if (command == L"find") {
        // The window is there early in the start-up; the program has started once it first waits
        // for input, and only then are notification-icon messages taken in its own loop.
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
        const bool started = process != nullptr && WaitForInputIdle(process, timeoutMs) == 0;
        if (process != nullptr) {
            CloseHandle(process);
        }
        if (!started) {
            std::printf("the program did not finish starting\n");
            return kFailed;
        }
        std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
        return kPassed;
    }
    if (command == L"visible" || command == L"hidden") {
        // Showing and hiding take a moment under Wine: wait for the state.
        const bool wantVisible = command == L"visible";
        const bool reached = waitFor([&] { return (IsWindowVisible(window) != FALSE) == wantVisible; });
        std::printf("%s\n", reached == wantVisible ? "visible" : "hidden");
        return reached ? kPassed : kFailed;
    }
    if (command == L"tray" && args.size() > 1) {
        const UINT mouseMessage = mouseMessageByName(args[1]);
        if (mouseMessage == 0) {
            return usage();
        }
        // Handled when this returns, so a window that stays hidden has stayed hidden for good.
        sendWithoutWaiting(window, kTrayIconMessage, kTrayIconId, mouseMessage);
        waitUntilHandled(window);
        return kPassed;
    }
    if (command == L"forget-icon") {
        return forgetTrayIcon(window) ? kPassed : kFailed;
    }
    if (command == L"taskbar-created") {
        SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        return kPassed;
    }
    if (command == L"close") {
        sendWithoutWaiting(window, WM_CLOSE, 0, 0);
        waitUntilHandled(window);
        return kPassed;
    }
    if (command == L"key" && args.size() > 1) {
        // Posted, as the keyboard's messages are: the window's message filter sees only those. A
        // scenario waits for what the key does.
        const auto key = static_cast<WPARAM>(wcstoul(args[1].c_str(), nullptr, 0));
        PostMessageW(window, WM_KEYDOWN, key, 1);
        PostMessageW(window, WM_KEYUP, key, 0xC0000001);
        return kPassed;
    }
    return usage();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Tells the scenario that the driver itself started: Wine now and then fails to start a program
    // and ends with code 1 without a word, which a scenario would take for the driver's "not so".
    wchar_t mark[MAX_PATH];
    if (GetEnvironmentVariableW(L"GM_DRIVER_STARTED", mark, MAX_PATH) - 1 < MAX_PATH - 1) {
        CloseHandle(
            CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    std::vector<std::wstring> args(argv + 1, argv + argc);
    return run(args);
}

#include "assign_commands.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/win/app_messages.h"
#include "driver_support.h"

namespace {

HWND mainWindow() {
    return FindWindowW(kMainWindowClass, nullptr);
}

DWORD programProcess() {
    DWORD process = 0;
    if (const HWND main = mainWindow()) {
        GetWindowThreadProcessId(main, &process);
    }
    return process;
}

std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    // WM_GETTEXT crosses processes; GetWindowText would not ask a control of another process.
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        kWaitMs, nullptr);
    return text;
}

struct Search {
    DWORD process;
    int control;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || window == mainWindow()) {
        return TRUE;
    }
    const bool matches = search->caption != nullptr ? textOf(window) == search->caption
                                                    : GetDlgItem(window, search->control) != nullptr;
    if (matches) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A shown top-level window of the program, other than the main window, that holds `control` or
// bears `caption`.
HWND findProgramWindow(int control, const wchar_t* caption = nullptr) {
    Search search{programProcess(), control, caption, nullptr};
    if (search.process != 0) {
        EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

HWND waitForDialog(int control) {
    HWND dialog = nullptr;
    waitFor([&] { return (dialog = findProgramWindow(control)) != nullptr; });
    return dialog;
}

HWND shownChild(int control) {
    const HWND main = mainWindow();
    const HWND child = main != nullptr ? GetDlgItem(main, control) : nullptr;
    return child != nullptr && IsWindowVisible(child) ? child : nullptr;
}

int closeMessageBox(const std::wstring& caption) {
    HWND box = nullptr;
    waitFor([&] { return (box = findProgramWindow(0, caption.c_str())) != nullptr; });
    if (box == nullptr) {
        std::printf("no message box\n");
        return kFailed;
    }
    // The message text is the box's static control (identifier 0xFFFF), filled while the box
    // starts; it has started once its own loop takes sent messages.
    waitUntilHandled(box);
    std::wstring text;
    waitFor([&] { return !(text = textOf(GetDlgItem(box, 0xFFFF))).empty(); });
    printUtf8Line(text);
    sendWithoutWaiting(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    return waitFor([&] { return !IsWindow(box); }) ? kPassed : kFailed;
}

// The client origin of `window` on the screen and its client size.
void printClientArea(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT client{};
    GetClientRect(window, &client);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
}

int printItemPoint(HWND list, int item) {
    RECT rect{};
    if (list == nullptr || SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item),
                                        reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
        std::printf("no item %d\n", item);
        return kFailed;
    }
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    RECT client{};
    GetClientRect(list, &client);
    if (!PtInRect(&client, centre)) {
        std::printf("item %d is out of view\n", item);
        return kFailed;
    }
    ClientToScreen(list, &centre);
    std::printf("%ld %ld\n", centre.x, centre.y);
    return kPassed;
}

int dialogCommand(const std::vector<std::wstring>& args, int control) {
    const std::wstring& command = args[0];
    if (command == L"dialog-gone") {
        const bool gone = waitFor([&] { return findProgramWindow(control) == nullptr; });
        std::printf("%s\n", gone ? "gone" : "still shown");
        return gone ? kPassed : kFailed;
    }
    const HWND dialog = waitForDialog(control);
    if (dialog == nullptr) {
        std::printf("no dialog\n");
        return kFailed;
    }
    const HWND item = GetDlgItem(dialog, control);
    if (command == L"dialog-shown") {
        printClientArea(dialog);
    } else if (command == L"dialog-text") {
        printUtf8Line(textOf(item));
    } else if (command == L"dialog-item-point") {
        return args.size() < 3 ? kUsage
                               : printItemPoint(item, static_cast<int>(wcstol(args[2].c_str(), nullptr, 10)));
    } else {
        const bool enabled = IsWindowEnabled(item) != FALSE;
        std::printf("%s\n", enabled ? "enabled" : "disabled");
        return enabled ? kPassed : kFailed;
    }
    return kPassed;
}

} // namespace

std::optional<int> runAssignCommand(const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    const bool mainChild = command == L"control-shown" || command == L"control-gone";
    const bool dialog = command == L"dialog-shown" || command == L"dialog-gone" ||
                        command == L"dialog-text" || command == L"dialog-enabled" ||
                        command == L"dialog-item-point";
    if (!mainChild && !dialog && command != L"message-box") {
        return std::nullopt;
    }
    if (args.size() < 2) {
        return kUsage;
    }
    if (command == L"message-box") {
        return closeMessageBox(args[1]);
    }
    const int control = static_cast<int>(wcstol(args[1].c_str(), nullptr, 10));
    if (dialog) {
        return dialogCommand(args, control);
    }
    const bool wanted = command == L"control-shown";
    const bool reached = waitFor([&] { return (shownChild(control) != nullptr) == wanted; });
    std::printf("%s\n", reached == wanted ? "shown" : "gone");
    return reached ? kPassed : kFailed;
}

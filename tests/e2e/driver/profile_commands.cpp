#include "profile_commands.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/win/app_messages.h"
#include "driver_support.h"

namespace {

// The Profiles dialog's profile list, which marks the dialog among the program's windows.
constexpr int kProfileListControl = 570;
// The file name field of the system's open and save dialogs: a combo box in the Explorer style,
// an edit in the older one.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;
constexpr wchar_t kFrontWindowClass[] = L"GMFrontWindow";

DWORD programProcess() {
    DWORD process = 0;
    if (const HWND main = FindWindowW(kMainWindowClass, nullptr)) {
        GetWindowThreadProcessId(main, &process);
    }
    return process;
}

// A shown top-level window of the program that holds one of the controls, waited for.
HWND waitForProgramWindow(std::initializer_list<int> controls) {
    HWND found = nullptr;
    waitFor([&] {
        for (const int control : controls) {
            const DWORD process = programProcess();
            if (process != 0 && (found = shownWindowHolding(process, control)) != nullptr) {
                return true;
            }
        }
        return false;
    });
    return found;
}

int number(const std::wstring& text) {
    return static_cast<int>(wcstol(text.c_str(), nullptr, 10));
}

int typeFileName(const std::wstring& path) {
    const HWND dialog = waitForProgramWindow({kFileNameCombo, kFileNameEdit});
    if (dialog == nullptr) {
        std::printf("no file dialog\n");
        return kFailed;
    }
    // The dialog fills its fields while it starts; it has started once its loop takes sent messages.
    waitUntilHandled(dialog);
    HWND field = GetDlgItem(dialog, kFileNameCombo);
    field = field != nullptr ? field : GetDlgItem(dialog, kFileNameEdit);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return waitFor([&] { return !IsWindow(dialog); }) ? kPassed : kFailed;
}

LRESULT CALLBACK frontWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring ownFileName() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* name = std::wcsrchr(path, L'\\');
    return name != nullptr ? name + 1 : path;
}

// A plain window of this process in front, as a game's would be, until it is closed.
int runFrontWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &frontWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kFrontWindowClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, kFrontWindowClass, ownFileName().c_str(), WS_OVERLAPPEDWINDOW, 40,
                                        40, 320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) {
        return kFailed;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    // Windows raises this event itself whenever a window comes to the front; Wine 8.0 raises no
    // EVENT_SYSTEM_FOREGROUND at all (its win32u notifies only a few object events), so the window
    // raises it as Windows would, once it is in front. The program's hook, its message loop and
    // everything after them are the program's own.
    if (!waitFor([&] { return GetForegroundWindow() == window; })) {
        std::printf("not in front\n");
        return kFailed;
    }
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window, OBJID_WINDOW, CHILDID_SELF);
    std::printf("in front\n");
    std::fflush(stdout);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return kPassed;
}

} // namespace

std::optional<int> runProfileCommand(const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    if (command == L"front-window") {
        return runFrontWindow();
    }
    if (command == L"front-window-close") {
        if (args.size() < 2) {
            return kUsage;
        }
        const HWND window = FindWindowW(kFrontWindowClass, args[1].c_str());
        if (window == nullptr) {
            std::printf("no front window\n");
            return kFailed;
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
        return waitFor([&] { return !IsWindow(window); }) ? kPassed : kFailed;
    }
    if (command == L"file-dialog") {
        return args.size() < 2 ? kUsage : typeFileName(args[1]);
    }
    const bool withControl =
        command == L"profiles-type" || command == L"profiles-items" || command == L"profiles-select";
    if (!withControl && command != L"profiles-click") {
        return std::nullopt;
    }
    if (args.size() < (command == L"profiles-items" ? 2u : 3u)) {
        return kUsage;
    }
    const HWND dialog = waitForProgramWindow({kProfileListControl});
    if (dialog == nullptr) {
        std::printf("no Profiles dialog\n");
        return kFailed;
    }
    if (command == L"profiles-click") {
        clickAndWait(dialog, MAKELPARAM(number(args[1]), number(args[2])));
        return kPassed;
    }
    const int id = number(args[1]);
    const HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        std::printf("no control %d\n", id);
        return kFailed;
    }
    if (command == L"profiles-type") {
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2].c_str()));
        return kPassed;
    }
    if (command == L"profiles-items") {
        const LRESULT count = SendMessageW(control, LB_GETCOUNT, 0, 0);
        for (LRESULT item = 0; item < count; ++item) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(control, LB_GETTEXTLEN, item, 0)), L'\0');
            SendMessageW(control, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
            printUtf8Line(text);
        }
        return kPassed;
    }
    SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(number(args[2])), 0);
    sendWithoutWaiting(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    waitUntilHandled(dialog);
    return kPassed;
}

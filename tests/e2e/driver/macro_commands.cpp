#include "macro_commands.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/win/app_messages.h"
#include "driver_support.h"

namespace {

constexpr int kLongestText = 1024;

// WM_GETTEXT crosses processes; GetWindowText does not ask a control of another process.
std::wstring textOf(HWND window) {
    std::wstring text(kLongestText, L'\0');
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_NORMAL, kWaitMs, &length) == 0) {
        return {};
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace

std::optional<int> runMacroCommand(const std::vector<std::wstring>& args) {
    if (args[0] != L"main-text") {
        return std::nullopt;
    }
    const HWND main = FindWindowW(kMainWindowClass, nullptr);
    if (main == nullptr) {
        std::printf("no main window\n");
        return kFailed;
    }
    const HWND window =
        args.size() > 1 ? GetDlgItem(main, static_cast<int>(wcstol(args[1].c_str(), nullptr, 10))) : main;
    if (window == nullptr) {
        std::printf("no control %ls\n", args[1].c_str());
        return kFailed;
    }
    printUtf8Line(textOf(window));
    return kPassed;
}

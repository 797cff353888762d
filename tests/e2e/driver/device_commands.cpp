#include "device_commands.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

#include "device/win/emulator_control_window.h"
#include "driver_support.h"

namespace {

// Memory in another process, for messages whose pointers the receiving process dereferences.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process), base_(static_cast<char*>(VirtualAllocEx(
                                 process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    ~RemoteBuffer() {
        if (base_ != nullptr) {
            VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool valid() const { return base_ != nullptr; }
    char* at(SIZE_T offset) const { return base_ + offset; }
    template <typename T>
    bool write(SIZE_T offset, const T& value) const {
        return WriteProcessMemory(process_, at(offset), &value, sizeof(value), nullptr) != FALSE;
    }
    template <typename T>
    bool read(SIZE_T offset, T& value) const {
        return ReadProcessMemory(process_, at(offset), &value, sizeof(value), nullptr) != FALSE;
    }

private:
    HANDLE process_;
    char* base_;
};

// The text of a balloon: the notification area shows it as a tooltip of its own process, whose
// first tool carries the text.
std::wstring balloonText(HWND tooltip) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tooltip, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return {};
    }
    constexpr SIZE_T kTextOffset = 1024;
    constexpr SIZE_T kTextChars = 1024;
    std::wstring text;
    {
        const RemoteBuffer remote(process, kTextOffset + kTextChars * sizeof(wchar_t));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        if (remote.valid() && remote.write(0, tool) &&
            SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote.at(0))) &&
            remote.read(0, tool)) {
            tool.lpszText = reinterpret_cast<wchar_t*>(remote.at(kTextOffset));
            wchar_t buffer[kTextChars] = {};
            if (remote.write(0, tool) && remote.write(kTextOffset, buffer)) {
                SendMessageW(tooltip, TTM_GETTEXTW, kTextChars, reinterpret_cast<LPARAM>(remote.at(0)));
                remote.read(kTextOffset, buffer);
                buffer[kTextChars - 1] = L'\0';
                text = buffer;
            }
        }
    }
    CloseHandle(process);
    return text;
}

// The text of the first shown balloon that contains `wanted`, if any.
std::optional<std::wstring> shownBalloonWith(const std::wstring& wanted) {
    HWND tooltip = nullptr;
    while ((tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
        if (!IsWindowVisible(tooltip)) {
            continue;
        }
        const std::wstring text = balloonText(tooltip);
        if (text.find(wanted) != std::wstring::npos) {
            return text;
        }
    }
    return std::nullopt;
}

std::string toUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

int watchBalloons(const std::wstring& wanted, DWORD periodMs, bool expectShown) {
    const ULONGLONG end = GetTickCount64() + periodMs;
    for (;;) {
        if (const std::optional<std::wstring> text = shownBalloonWith(wanted)) {
            std::printf("balloon: %s\n", toUtf8(*text).c_str());
            return expectShown ? kPassed : kFailed;
        }
        if (GetTickCount64() >= end) {
            std::printf("no balloon with that text\n");
            return expectShown ? kFailed : kPassed;
        }
        Sleep(100);
    }
}

HWND findControlWindow() {
    HWND control = nullptr;
    waitFor([&] {
        return (control = FindWindowExW(HWND_MESSAGE, nullptr, kEmulatorControlClass, nullptr)) != nullptr;
    });
    return control;
}

int runEmulatorCommand(const std::vector<std::wstring>& args) {
    if (args.size() < 2) {
        return kUsage;
    }
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (args[1] == L"plug" && args.size() == 3) {
        message = kEmulatorPlugInMessage;
        wParam = wcstoul(args[2].c_str(), nullptr, 0);
    } else if (args[1] == L"unplug" && args.size() == 2) {
        message = kEmulatorUnplugMessage;
    } else if (args[1] == L"event" && args.size() == 4) {
        message = kEmulatorDeviceEventMessage;
        wParam = wcstoul(args[2].c_str(), nullptr, 0);
        lParam = static_cast<LPARAM>(wcstoul(args[3].c_str(), nullptr, 0));
    } else {
        return kUsage;
    }
    const HWND control = findControlWindow();
    if (control == nullptr) {
        std::printf("no emulator control window\n");
        return kFailed;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result)) {
        std::printf("the emulator control window did not answer\n");
        return kFailed;
    }
    return kPassed;
}

// The program's message box with this caption, if one is shown.
HWND shownNotice(const std::wstring& caption) {
    return FindWindowW(L"#32770", caption.c_str());
}

// Waits for the message box (or, for `expectShown` false, watches that none comes) and prints its
// text; the box stays open.
int watchNotice(const std::wstring& caption, DWORD periodMs, bool expectShown) {
    HWND box = nullptr;
    const bool shown = waitFor([&] { return (box = shownNotice(caption)) != nullptr; }, periodMs);
    if (shown) {
        wchar_t text[1024] = {};
        GetWindowTextW(GetDlgItem(box, 0xFFFF), text, static_cast<int>(std::size(text)));
        char utf8[4096] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        std::printf("notice: %s\n", utf8);
    } else {
        std::printf("no notice with that caption\n");
    }
    return shown == expectShown ? kPassed : kFailed;
}

} // namespace

std::optional<int> runDeviceCommand(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return std::nullopt;
    }
    const std::wstring& command = args[0];
    if (command == L"emulator") {
        return runEmulatorCommand(args);
    }
    if ((command == L"balloon" || command == L"no-balloon") && args.size() >= 2) {
        const bool expectShown = command == L"balloon";
        const DWORD periodMs =
            args.size() > 2 ? wcstoul(args[2].c_str(), nullptr, 10) : (expectShown ? kWaitMs : 2000);
        return watchBalloons(args[1], periodMs, expectShown);
    }
    if ((command == L"notice" || command == L"no-notice") && args.size() >= 2) {
        const bool expectShown = command == L"notice";
        const DWORD periodMs =
            args.size() > 2 ? wcstoul(args[2].c_str(), nullptr, 10) : (expectShown ? 10000 : 2000);
        return watchNotice(args[1], periodMs, expectShown);
    }
    return std::nullopt;
}

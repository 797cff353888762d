#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// Exit codes of every driver command: the scenario passed, failed, or the command was misspelt.
inline constexpr int kPassed = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

// How long a command waits for the state it looks for. Generous, since a loaded machine under Wine
// can take seconds to show a window; it costs nothing when things are healthy, because every wait
// ends as soon as its condition holds.
inline constexpr DWORD kWaitMs = 30000;

// Polls `probe` every 50 ms until it returns true or `timeoutMs` ran out.
template <typename Probe>
bool waitFor(Probe probe, DWORD timeoutMs = kWaitMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (probe()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(50);
    }
}

// Returns once `window`'s thread has handled every message sent to it before: its handlers
// returned, or one of them runs a loop of its own (a dialog, a message box, a menu) that takes sent
// messages. It says nothing about posted messages, which a thread takes only after sent ones.
inline void waitUntilHandled(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored);
}

// Hands `window` a message as a sent one without waiting for it, so that a dialog it opens does not
// hold the driver; waitUntilHandled afterwards returns once it was handled.
inline void sendWithoutWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SendNotifyMessageW(window, message, wParam, lParam);
}

// A press and release of the left button at client point `at` of `window`, handled (or running a
// dialog's loop) when this returns.
inline void clickAndWait(HWND window, LPARAM at) {
    sendWithoutWaiting(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    sendWithoutWaiting(window, WM_LBUTTONUP, 0, at);
    waitUntilHandled(window);
}

// Writes `text` to standard output in UTF-8, the scenarios' encoding; printUtf8Line ends the line.
inline void printUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

inline void printUtf8Line(const std::wstring& text) {
    printUtf8(text);
    std::fputc('\n', stdout);
}

// A shown top-level window of process `process` that holds control `control` (a dialog of the
// program); nullptr while there is none.
inline HWND shownWindowHolding(DWORD process, int control) {
    struct Search {
        DWORD process;
        int control;
        HWND found;
    } search{process, control, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted->process && IsWindowVisible(window) &&
                GetDlgItem(window, wanted->control) != nullptr) {
                wanted->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

#pragma once

#include <windows.h>

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

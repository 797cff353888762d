#pragma once

#include <windows.h>

// Exit codes of every driver command: the scenario passed, failed, or the command was misspelt.
inline constexpr int kPassed = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

// Polls `probe` every 50 ms until it returns true or `timeoutMs` ran out.
template <typename Probe>
bool waitFor(Probe probe, DWORD timeoutMs) {
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

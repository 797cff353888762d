#include "macro/win/macro_record_hook.h"

#include <array>
#include <utility>

namespace {

// The hook procedure has no context of its own: the one installed recording hook.
MacroRecordHook* activeHook = nullptr;

// GetKeyNameTextW's buffer: key names of at most 31 characters.
constexpr int kKeyNameBufferLength = 32;

constexpr LPARAM kReleasedFlag = LPARAM{1} << 31;
constexpr LPARAM kPreviouslyDownFlag = LPARAM{1} << 30;

} // namespace

bool MacroRecordHook::install(HWND mainWindow, KeyFilter accept, unsigned long& errorCode) {
    remove();
    hook_ = SetWindowsHookExW(WH_KEYBOARD, &MacroRecordHook::keyProc, nullptr, GetCurrentThreadId());
    if (hook_ == nullptr) {
        errorCode = GetLastError();
        return false;
    }
    mainWindow_ = mainWindow;
    accept_ = std::move(accept);
    activeHook = this;
    return true;
}

void MacroRecordHook::remove() {
    if (hook_ == nullptr) {
        return;
    }
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (activeHook == this) {
        activeHook = nullptr;
    }
}

LRESULT CALLBACK MacroRecordHook::keyProc(int code, WPARAM virtualKey, LPARAM flags) {
    if (code != HC_ACTION || activeHook == nullptr) {
        return CallNextHookEx(nullptr, code, virtualKey, flags);
    }
    std::array<wchar_t, kKeyNameBufferLength> name{};
    const int length = GetKeyNameTextW(static_cast<LONG>(flags), name.data(), kKeyNameBufferLength);
    const bool released = (flags & kReleasedFlag) != 0;
    const bool previouslyDown = (flags & kPreviouslyDownFlag) != 0;
    const std::wstring_view keyName(name.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    // The filter may end the recording and so remove this hook: keep what the message needs.
    const HWND mainWindow = activeHook->mainWindow_;
    if (activeHook->accept_(keyName, released, previouslyDown)) {
        SendMessageW(mainWindow, WM_MACRO_RECORD_KEY, released ? 1 : 0, previouslyDown ? 0 : 1);
    }
    return 0;
}

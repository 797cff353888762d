#include "assign/win/key_capture.h"

#include <array>

#include "config/win/notice_box.h"

namespace {

// What one dialog's capture keeps between key events.
struct CaptureState {
    HHOOK hook = nullptr;
    HWND target = nullptr;
    std::array<wchar_t, kCapturedKeyNameCapacity> name{};
    CapturedKeyEvent event;
    AltShortcutGate shortcuts;
};

std::array<CaptureState, 2> captures;

CaptureState& stateOf(CaptureDialog dialog) {
    return captures[dialog == CaptureDialog::SingleKey ? 0 : 1];
}

// Names the key of every keyboard event the thread retrieves and tells the dialog, then lets the
// keystroke go on to its window.
template <CaptureDialog Dialog>
LRESULT CALLBACK captureKey(int code, WPARAM virtualKey, LPARAM keyData) {
    CaptureState& state = stateOf(Dialog);
    // Bit 29 of the key data: Alt is held; bit 31: the key is released.
    const bool altHeld = (keyData & (1 << 29)) != 0;
    const bool release = (static_cast<unsigned long>(keyData) & 0x80000000ul) != 0;
    if (code != HC_ACTION || state.shortcuts.holdsBack(static_cast<unsigned>(virtualKey), altHeld, release)) {
        return CallNextHookEx(state.hook, code, virtualKey, keyData);
    }
    state.name.fill(L'\0');
    state.event = {static_cast<unsigned>(virtualKey), release};
    GetKeyNameTextW(static_cast<LONG>(keyData), state.name.data(), static_cast<int>(state.name.size()));
    if (state.target != nullptr) {
        SendMessageW(state.target, keyCapturedMessage(Dialog), 0, 0);
    }
    return 0;
}

HOOKPROC procedureOf(CaptureDialog dialog) {
    return dialog == CaptureDialog::SingleKey ? &captureKey<CaptureDialog::SingleKey>
                                              : &captureKey<CaptureDialog::ComboKey>;
}

} // namespace

DWORD InstallKeyCapture(HWND target, CaptureDialog dialog) {
    RemoveKeyCapture(dialog);
    CaptureState& state = stateOf(dialog);
    state.name.fill(L'\0');
    state.shortcuts = {};
    state.target = target;
    state.hook = SetWindowsHookExW(WH_KEYBOARD, procedureOf(dialog), nullptr, GetCurrentThreadId());
    if (state.hook == nullptr) {
        const DWORD error = GetLastError();
        state.target = nullptr;
        return error == 0 ? ERROR_INVALID_FUNCTION : error;
    }
    return 0;
}

void RemoveKeyCapture(CaptureDialog dialog) {
    CaptureState& state = stateOf(dialog);
    if (state.hook != nullptr) {
        UnhookWindowsHookEx(state.hook);
    }
    state.hook = nullptr;
    state.target = nullptr;
}

std::wstring CapturedKeyName(CaptureDialog dialog) {
    return stateOf(dialog).name.data();
}

CapturedKeyEvent LastCapturedKeyEvent(CaptureDialog dialog) {
    return stateOf(dialog).event;
}

void ScopedKeyCapture::install(HWND target, CaptureDialog dialog) {
    remove();
    const DWORD error = InstallKeyCapture(target, dialog);
    if (error != 0) {
        showNotice(target, Notice{keyCaptureFailureText(dialog, error)});
        return;
    }
    installed_ = true;
    dialog_ = dialog;
}

void ScopedKeyCapture::remove() {
    if (installed_) {
        RemoveKeyCapture(dialog_);
        installed_ = false;
    }
}

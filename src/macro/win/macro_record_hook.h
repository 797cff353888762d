#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

// Sent by the recording hook to the main window for every key transition the recorder accepted:
// wParam 0 for a press, 1 for a release; lParam 1 when the key was up before (a first press).
inline constexpr UINT WM_MACRO_RECORD_KEY = WM_USER + 3;

// The keyboard hook of a macro recording: a WH_KEYBOARD hook of the user-interface thread that
// hands every key transition, with the system's name of the key, to `accept` and sends the
// accepted ones to the main window as WM_MACRO_RECORD_KEY. The keystrokes themselves go on to their
// windows; the main window's pre-filter keeps the presses from acting on its controls. One
// recording hook exists at a time.
class MacroRecordHook {
public:
    // `released` is bit 31 of the keystroke flags, `previouslyDown` bit 30.
    using KeyFilter = std::function<bool(std::wstring_view keyName, bool released, bool previouslyDown)>;

    MacroRecordHook() = default;
    MacroRecordHook(const MacroRecordHook&) = delete;
    MacroRecordHook& operator=(const MacroRecordHook&) = delete;
    ~MacroRecordHook() { remove(); }

    // Installs the hook for the calling thread. On failure returns false with the system's error
    // code in `errorCode`.
    bool install(HWND mainWindow, KeyFilter accept, unsigned long& errorCode);
    void remove();
    bool installed() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK keyProc(int code, WPARAM virtualKey, LPARAM flags);

    HHOOK hook_ = nullptr;
    HWND mainWindow_ = nullptr;
    KeyFilter accept_;
};

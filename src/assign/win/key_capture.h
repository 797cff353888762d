#pragma once

#include <windows.h>

#include <string>

#include "assign/key_capture_rules.h"

// Key capture for the single-key and the combo-key dialog: a keyboard hook on the user-interface
// thread names every key event (press, repeat and release) the thread takes from its queue and
// tells the dialog with its captured-key message. Each dialog has its own hook, name and target
// window, so the two never interfere.

// Installs the hook of `dialog` and makes `target` receive its message. Returns 0 on success, else
// the system's error code; a hook already installed for `dialog` is replaced.
DWORD InstallKeyCapture(HWND target, CaptureDialog dialog);
// Removes the hook of `dialog`; nothing happens when none is installed.
void RemoveKeyCapture(CaptureDialog dialog);
// The system's name of the latest key event captured for `dialog` (at most 31 characters).
std::wstring CapturedKeyName(CaptureDialog dialog);
// The virtual key of that event and whether it was a release.
struct CapturedKeyEvent {
    unsigned virtualKey = 0;
    bool released = false;
};
CapturedKeyEvent LastCapturedKeyEvent(CaptureDialog dialog);

// Installs the capture of `dialog` for `target` and removes it again when it goes. When the hook
// cannot be installed, the failure message is shown over `target` and the dialog works without.
class ScopedKeyCapture {
public:
    ScopedKeyCapture() = default;
    ScopedKeyCapture(const ScopedKeyCapture&) = delete;
    ScopedKeyCapture& operator=(const ScopedKeyCapture&) = delete;
    ~ScopedKeyCapture() { remove(); }

    void install(HWND target, CaptureDialog dialog);
    void remove();

private:
    bool installed_ = false;
    CaptureDialog dialog_ = CaptureDialog::SingleKey;
};

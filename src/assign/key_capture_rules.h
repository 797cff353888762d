#pragma once

#include <cstddef>
#include <string>

// The rules of key capture in the single-key and combo-key dialogs that need no window: which
// message tells each dialog that a key was captured, how long a captured name can be, what a failed
// hook installation says, and which keystrokes the dialogs hold back from the dialog manager so that
// Enter, Escape and the Windows keys can be assigned instead of closing the dialog or opening the
// start menu.

enum class CaptureDialog { SingleKey, ComboKey };

// Sent (no parameters) to the dialog after each captured keyboard event; the dialog then reads the
// captured name.
inline constexpr unsigned kSingleKeyCapturedMessage = 0x0B04;
inline constexpr unsigned kComboKeyCapturedMessage = 0x0B05;
unsigned keyCapturedMessage(CaptureDialog dialog);

// The captured name's buffer, terminator included: longer names arrive cut to 31 characters.
inline constexpr std::size_t kCapturedKeyNameCapacity = 32;

// The message box text when the keyboard hook cannot be installed, with the system's error code.
std::wstring keyCaptureFailureText(CaptureDialog dialog, unsigned long errorCode);

// The virtual-key codes the rules name.
inline constexpr unsigned kVirtualKeyEnter = 0x0D;
inline constexpr unsigned kVirtualKeyEscape = 0x1B;
inline constexpr unsigned kVirtualKeyLeftWindows = 0x5B;
inline constexpr unsigned kVirtualKeyRightWindows = 0x5C;

// The keyboard messages a dialog's message filter sees (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN,
// WM_SYSKEYUP); Other for every other message.
enum class KeyMessage { KeyDown, KeyUp, SystemKeyDown, SystemKeyUp, Other };

// Whether the dialog's message filter keeps a message from the dialog manager. Both dialogs hold
// back the key-down of Enter and of Escape; the single-key dialog also every keystroke of the two
// Windows keys. The hook has captured the key before the filter runs.
bool captureDialogHoldsBack(CaptureDialog dialog, KeyMessage message, unsigned virtualKey);

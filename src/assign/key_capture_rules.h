#pragma once

#include <cstddef>
#include <string>

#include "common/geometry.h"

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

// Alt+O and Alt+C complete and cancel the capture dialogs, which take every other key: a way to
// OK and Cancel from the keyboard that no captured key can be mistaken for.
inline constexpr unsigned kVirtualKeyAlt = 0x12;
enum class CaptureShortcut { None, Ok, Cancel };
// Where both dialogs say so (TextKey::CaptureDialogShortcuts), centred above OK and Cancel.
inline constexpr Rect kCaptureShortcutsRect{20, 228, 356, 246};
// The shortcut a key message of the dialog's filter is: O or C pressed while Alt is held.
CaptureShortcut captureShortcut(KeyMessage message, unsigned virtualKey, bool altHeld);

// In keyboard use a combo key field takes one key: the key pressed in it is taken at its press and
// again at its release, after which the focus moves on to the next stop (Tab is a key like any
// other there). The release of a key pressed before the field had the focus, such as the Tab that
// brought the focus there, is not taken.
class OneKeyField {
public:
    enum class Step { Ignore, Take, TakeAndMoveOn };
    Step onKeyEvent(unsigned virtualKey, bool released);
    // The field took the focus.
    void reset() { pressed_ = 0; }

private:
    unsigned pressed_ = 0;
};

// Which key events the hook leaves uncaptured so that Alt+O and Alt+C never show as the captured
// key: the press of Alt waits for its release, which is captured (Alt on its own, or after a chord
// of other keys, shows "Alt" as before) unless O or C was pressed with it; O and C with Alt held are
// never captured. Every other event is captured as it comes.
class AltShortcutGate {
public:
    bool holdsBack(unsigned virtualKey, bool altHeld, bool release);

private:
    bool shortcut_ = false;
};

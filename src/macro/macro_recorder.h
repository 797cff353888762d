#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lang/language.h"
#include "lang/notice.h"
#include "macro/macro_editor.h"

// What the recorder needs from the window system: message boxes, the thread keyboard hook of the
// user-interface thread, and the main window's title.
class RecorderHost {
public:
    virtual ~RecorderHost() = default;
    virtual void showNotice(const Notice& notice) = 0;
    // Installs the hook; on failure returns false and the system's error code.
    virtual bool installKeyboardHook(unsigned long& errorCode) = 0;
    virtual void removeKeyboardHook() = 0;
    virtual void setWindowTitle(const std::wstring& title) = 0;
};

// The most key transitions one recording lists; the next one ends the recording.
inline constexpr uint32_t kMaxRecordedTransitions = 64;
// Key names as the system gives them fit 31 characters.
inline constexpr std::size_t kRecordedKeyNameMaxLength = 31;

// Text of the message box shown when the recording hook cannot be installed.
std::wstring recordHookErrorText(unsigned long errorCode);

// The keyboard recorder of the macro group: turns the key transitions the hook sees into event
// lines of the selected macro, every gap a fixed "50 ms". The hook procedure calls
// acceptHookKey with the system's key name; when it returns true the hook sends
// WM_MACRO_RECORD_KEY to the main window, whose handler calls onRecordedKey.
class MacroRecorder {
public:
    MacroRecorder(MacroEditor& editor, RecorderHost& host, const UiTexts& texts);

    // "Start Recording": empties the event list and installs the hook.
    void StartMacroRecording();
    // "Stop Recording", and the automatic stop after kMaxRecordedTransitions.
    void StopMacroRecording();
    // Building the Basic Settings page ends a running recording without any message.
    void abandonRecording();

    // A key transition seen by the hook: `released` is bit 31 of the keystroke flags,
    // `previouslyDown` bit 30. Auto-repeats of the last listed key are dropped (false); every
    // other transition is counted and returns true.
    bool acceptHookKey(std::wstring_view keyName, bool released, bool previouslyDown);
    // WM_MACRO_RECORD_KEY: lists the transition that acceptHookKey accepted last.
    void onRecordedKey(bool released);

    // While true the main window keeps key presses from acting on its controls.
    bool recording() const { return hookInstalled_; }

private:
    MacroEditor& editor_;
    RecorderHost& host_;
    const UiTexts& texts_;

    bool hookInstalled_ = false;
    uint32_t recordedEventCount_ = 0;
    bool recordingStarted_ = false;
    bool previousEventSeen_ = false;
    std::wstring lastKeyName_;
    std::wstring currentKeyName_;
};

#include "macro/macro_recorder.h"

#include "macro/macro_event_line.h"

std::wstring recordHookErrorText(unsigned long errorCode) {
    return L"JournalRecordHook Install error code :" + std::to_wstring(errorCode) + L"\n";
}

MacroRecorder::MacroRecorder(MacroEditor& editor, RecorderHost& host, const UiTexts& texts)
    : editor_(editor), host_(host), texts_(texts) {}

void MacroRecorder::StartMacroRecording() {
    if (editor_.macroNames().empty()) {
        host_.showNotice(warningNotice(texts_[TextKey::MacroNameBlank]));
        return;
    }
    host_.showNotice(Notice{texts_[TextKey::StartRecording]});
    recordedEventCount_ = 0;
    if (hookInstalled_) {
        host_.removeKeyboardHook();
        hookInstalled_ = false;
    }
    editor_.clearEventLines();
    unsigned long errorCode = 0;
    if (!host_.installKeyboardHook(errorCode)) {
        host_.showNotice(Notice{recordHookErrorText(errorCode)});
        return;
    }
    hookInstalled_ = true;
    recordingStarted_ = true;
    previousEventSeen_ = false;
    host_.setWindowTitle(texts_[TextKey::PressCtrlBreak]);
}

void MacroRecorder::StopMacroRecording() {
    // The hook goes before the box: the box is modal, and keys pressed while it is open (Enter to
    // close it, the release of the key that reached the limit) belong to no macro and must not end
    // the recording a second time.
    abandonRecording();
    host_.showNotice(Notice{texts_[TextKey::StopRecording]});
    recordedEventCount_ = 0;
    if (!recordingStarted_) {
        host_.showNotice(warningNotice(texts_[TextKey::NotRecording]));
    }
}

void MacroRecorder::abandonRecording() {
    if (hookInstalled_) {
        host_.removeKeyboardHook();
        hookInstalled_ = false;
    }
}

bool MacroRecorder::acceptHookKey(std::wstring_view keyName, bool released, bool previouslyDown) {
    const std::wstring_view name = keyName.substr(0, kRecordedKeyNameMaxLength);
    if (!released && previouslyDown && name == lastKeyName_) {
        return false;
    }
    ++recordedEventCount_;
    currentKeyName_ = name;
    return true;
}

void MacroRecorder::onRecordedKey(bool released) {
    if (recordedEventCount_ > kMaxRecordedTransitions) {
        StopMacroRecording();
        return;
    }
    if (!editor_.hasSelectedMacro()) {
        return;
    }
    if (released) {
        editor_.appendEventLine(delayLine(kDefaultDelayMs));
        editor_.appendEventLine(keyReleaseLine(currentKeyName_));
        return;
    }
    if (previousEventSeen_) {
        editor_.appendEventLine(delayLine(kDefaultDelayMs));
    }
    editor_.appendEventLine(keyPressLine(currentKeyName_));
    previousEventSeen_ = true;
    lastKeyName_ = currentKeyName_;
}

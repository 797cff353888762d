#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "macro/macro_recorder.h"
#include "macro_test_files.h"

namespace {

class FakeHost : public RecorderHost {
public:
    void showNotice(const Notice& message) override {
        messages.push_back(message);
        if (whileBoxOpen) {
            std::exchange(whileBoxOpen, nullptr)();
        }
    }
    bool installKeyboardHook(unsigned long& errorCode) override {
        errorCode = installError;
        hooked = installError == 0;
        return hooked;
    }
    void removeKeyboardHook() override { hooked = false; }
    void setWindowTitle(const std::wstring& text) override { title = text; }

    std::vector<Notice> messages;
    unsigned long installError = 0;
    bool hooked = false;
    std::wstring title;
    // What the user does while the next box is open.
    std::function<void()> whileBoxOpen;
};

struct RecorderFixture : MacroFiles {
    FakeHost host;
    MacroRecorder recorder{editor, host, texts};

    RecorderFixture() { newMacro(L"M"); }
    // One transition as the hook passes it on, then as the main window lists it.
    void key(const std::wstring& name, bool released, bool previouslyDown = false) {
        if (recorder.acceptHookKey(name, released, previouslyDown)) {
            recorder.onRecordedKey(released);
        }
    }
    void type(const std::wstring& name) {
        key(name, false);
        key(name, true, true);
    }
};

const Notice kStartBox{L"Start Recording", ProgramTitle{}};
const Notice kStopBox{L"Stop Recording", ProgramTitle{}};

TEST(MacroRecorder, TypingAThenBListsSevenLines) {
    RecorderFixture f;
    f.editor.appendEventLine(L"old line");
    f.recorder.StartMacroRecording();
    EXPECT_TRUE(f.recorder.recording());
    EXPECT_EQ(f.host.title, L"Press Ctrl+Break key to stop recording");
    f.type(L"A");
    f.type(L"B");
    EXPECT_EQ(f.editor.eventLines(),
              (Lines{L"A   Dn", L"50 ms", L"A   Up", L"50 ms", L"B   Dn", L"50 ms", L"B   Up"}));
    EXPECT_EQ(f.editor.selectedEventLine(), 6u);
    f.recorder.StopMacroRecording();
    EXPECT_EQ(f.host.messages, (std::vector<Notice>{kStartBox, kStopBox}));
    EXPECT_FALSE(f.host.hooked);
}

TEST(MacroRecorder, AutoRepeatIsDroppedButASecondPressIsListed) {
    RecorderFixture f;
    f.recorder.StartMacroRecording();
    f.key(L"Shift", true); // released although pressed before the start
    f.key(L"A", false);
    f.key(L"A", false, true);
    f.key(L"A", false, true);
    f.key(L"A", true, true);
    f.key(L"A", false);
    EXPECT_EQ(f.editor.eventLines(),
              (Lines{L"50 ms", L"Shift   Up", L"A   Dn", L"50 ms", L"A   Up", L"50 ms", L"A   Dn"}));
}

TEST(MacroRecorder, TheSixtyFifthTransitionStopsTheRecording) {
    RecorderFixture f;
    f.recorder.StartMacroRecording();
    for (int i = 0; i < 32; ++i) {
        f.type(std::wstring(1, static_cast<wchar_t>(L'A' + i % 26)));
    }
    EXPECT_EQ(f.editor.eventLines().size(), 127u);
    EXPECT_TRUE(f.recorder.recording());
    f.key(L"Z", false);
    EXPECT_EQ(f.editor.eventLines().size(), 127u);
    EXPECT_FALSE(f.recorder.recording());
    EXPECT_FALSE(f.host.hooked);
    EXPECT_EQ(f.host.messages.back(), kStopBox);
}

// The boxes are modal: keys pressed while one is open (Enter to close it, the release of the key
// that reached the limit) reach the recorder for as long as its hook is installed.
TEST(MacroRecorder, KeysPressedWhileTheStopBoxIsOpenAreNotRecorded) {
    for (const bool automaticStop : {false, true}) {
        RecorderFixture f;
        f.recorder.StartMacroRecording();
        for (int i = 0; automaticStop && i < 32; ++i) {
            f.type(L"A");
        }
        const std::size_t listed = f.editor.eventLines().size();
        f.host.whileBoxOpen = [&] {
            if (f.host.hooked) {
                f.key(L"Enter", false);
                f.key(L"Enter", true, true);
            }
        };
        automaticStop ? f.key(L"B", false) : f.recorder.StopMacroRecording();
        EXPECT_EQ(f.editor.eventLines().size(), listed) << automaticStop;
        EXPECT_EQ(std::count(f.host.messages.begin(), f.host.messages.end(), kStopBox), 1) << automaticStop;
        EXPECT_FALSE(f.host.hooked);
    }
}

TEST(MacroRecorder, WithoutASelectedMacroTransitionsAreCountedNotListed) {
    RecorderFixture f;
    f.recorder.StartMacroRecording();
    f.editor.DeleteMacro();
    f.type(L"A");
    EXPECT_TRUE(f.editor.eventLines().empty());
}

TEST(MacroRecorder, RefusalsAndWarnings) {
    RecorderFixture f;
    f.recorder.StopMacroRecording();
    EXPECT_EQ(
        f.host.messages,
        (std::vector<Notice>{
            kStopBox, {L"It doesn\u2019t start recording, unnecessary to press Stop key!", L"Warning"}}));
    f.host.messages.clear();
    f.host.installError = 5;
    f.recorder.StartMacroRecording();
    EXPECT_EQ(
        f.host.messages,
        (std::vector<Notice>{kStartBox, {L"JournalRecordHook Install error code :5\n", ProgramTitle{}}}));
    EXPECT_FALSE(f.recorder.recording());
    EXPECT_TRUE(f.host.title.empty());
    f.host.messages.clear();
    f.editor.DeleteMacro();
    f.recorder.StartMacroRecording();
    EXPECT_EQ(f.host.messages, (std::vector<Notice>{{L"Macro name is blank", L"Warning"}}));
}

} // namespace

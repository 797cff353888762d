#include <gtest/gtest.h>

#include <vector>

#include "assign/key_capture_rules.h"

namespace {

TEST(KeyCaptureRules, WhatTheDialogsHoldBack) {
    using D = CaptureDialog;
    using M = KeyMessage;
    const struct {
        D dialog;
        M message;
        unsigned key;
        bool heldBack;
    } cases[] = {{D::SingleKey, M::KeyDown, kVirtualKeyEnter, true},
                 {D::SingleKey, M::KeyUp, kVirtualKeyEnter, false},
                 {D::SingleKey, M::KeyDown, kVirtualKeyEscape, true},
                 {D::SingleKey, M::KeyDown, 'A', false},
                 {D::SingleKey, M::KeyDown, 0x5B, true},
                 {D::SingleKey, M::KeyUp, 0x5C, true},
                 {D::SingleKey, M::SystemKeyDown, 0x5B, true},
                 {D::SingleKey, M::Other, 0x5B, false},
                 {D::SingleKey, M::SystemKeyDown, kVirtualKeyEnter, false},
                 {D::ComboKey, M::KeyDown, kVirtualKeyEnter, true},
                 {D::ComboKey, M::KeyDown, kVirtualKeyEscape, true},
                 {D::ComboKey, M::KeyDown, 0x5B, false},
                 {D::ComboKey, M::KeyUp, kVirtualKeyEscape, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(captureDialogHoldsBack(c.dialog, c.message, c.key), c.heldBack)
            << static_cast<int>(c.dialog) << " " << static_cast<int>(c.message) << " " << c.key;
    }
    EXPECT_EQ(keyCaptureFailureText(D::SingleKey, 5), L"KeyboardHook_SingleDlgKey Install error code :5\n");
    EXPECT_EQ(keyCaptureFailureText(D::ComboKey, 1428), L"KeyboardHook_ComboDlg Install error code :1428\n");
    EXPECT_EQ(keyCapturedMessage(D::SingleKey), 0x0B04u);
    EXPECT_EQ(keyCapturedMessage(D::ComboKey), 0x0B05u);
}

// A run of key events through the hook's gate: which ones show as the captured key. Alt alone and
// a chord of other keys still end on "Alt"; Alt+O and Alt+C show nothing of themselves.
TEST(KeyCaptureRules, AltShortcutsAreNeverCapturedAndEndTheDialog) {
    struct Event {
        unsigned key;
        bool altHeld;
        bool release;
        bool captured;
    };
    const struct {
        const char* what;
        std::vector<Event> events;
    } kRuns[] = {
        {"Alt alone",
         {{kVirtualKeyAlt, true, false, false},
          {kVirtualKeyAlt, true, false, false},
          {kVirtualKeyAlt, false, true, true}}},
        {"Alt+F5",
         {{kVirtualKeyAlt, true, false, false},
          {0x74, true, false, true},
          {0x74, true, true, true},
          {kVirtualKeyAlt, false, true, true}}},
        {"Alt+O",
         {{kVirtualKeyAlt, true, false, false},
          {'O', true, false, false},
          {'O', true, true, false},
          {kVirtualKeyAlt, false, true, false}}},
        {"Alt+C, then Alt alone",
         {{kVirtualKeyAlt, true, false, false},
          {'C', true, false, false},
          {kVirtualKeyAlt, false, true, false},
          {kVirtualKeyAlt, true, false, false},
          {kVirtualKeyAlt, false, true, true}}},
        {"O and C without Alt",
         {{'O', false, false, true}, {'C', false, false, true}, {'C', false, true, true}}},
    };
    for (const auto& run : kRuns) {
        AltShortcutGate gate;
        for (std::size_t i = 0; i < run.events.size(); ++i) {
            const Event& e = run.events[i];
            EXPECT_EQ(!gate.holdsBack(e.key, e.altHeld, e.release), e.captured) << run.what << " event " << i;
        }
    }
    using M = KeyMessage;
    EXPECT_EQ(captureShortcut(M::SystemKeyDown, 'O', true), CaptureShortcut::Ok);
    EXPECT_EQ(captureShortcut(M::SystemKeyDown, 'C', true), CaptureShortcut::Cancel);
    EXPECT_EQ(captureShortcut(M::KeyDown, 'O', false), CaptureShortcut::None);
    EXPECT_EQ(captureShortcut(M::SystemKeyUp, 'O', true), CaptureShortcut::None);
    EXPECT_EQ(captureShortcut(M::SystemKeyDown, 'X', true), CaptureShortcut::None);
}

} // namespace

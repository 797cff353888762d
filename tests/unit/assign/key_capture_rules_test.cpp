#include <gtest/gtest.h>

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

} // namespace

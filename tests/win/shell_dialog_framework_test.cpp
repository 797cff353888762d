#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "ui/win/dialog.h"
#include "ui/win/modal_loop.h"
#include "ui/win/window.h"

namespace {

constexpr UINT kCloseYourself = WM_APP + 7;
constexpr int kEditId = 10;

// A dialog template in memory: an invisible pop-up with one edit control.
const DLGTEMPLATE* dialogWithEdit() {
    struct alignas(4) Template {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title; // the item that follows starts DWORD-aligned at 24
        DLGITEMTEMPLATE edit;
        WORD editClassMarker, editClass, editTitle, editCreationData;
    };
    static const Template bytes = [] {
        Template t{};
        t.dialog.style = WS_POPUP;
        t.dialog.cdit = 1;
        t.dialog.cx = 100;
        t.dialog.cy = 50;
        t.edit.style = WS_CHILD | WS_VISIBLE;
        t.edit.cx = 50;
        t.edit.cy = 12;
        t.edit.id = kEditId;
        t.editClassMarker = 0xFFFF;
        t.editClass = 0x0081; // edit
        return t;
    }();
    return &bytes.dialog;
}

class RecordingDialog : public Dialog {
public:
    std::vector<UINT> preFiltered;
    bool swallowKeys = false;
    bool initialised = false;

    bool preTranslateMessage(MSG& message) override {
        preFiltered.push_back(message.message);
        return swallowKeys && message.message == WM_KEYDOWN;
    }

protected:
    INT_PTR onMessage(UINT message, WPARAM, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            initialised = hwnd() != nullptr;
            return TRUE;
        case kCloseYourself:
            DestroyWindow(hwnd());
            return result(0);
        default:
            return FALSE;
        }
    }
};

// Takes every waiting message of the thread through the dialog's routing, as the modal loop does.
void pumpThroughDialog(Dialog& dialog) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!routeDialogMessage(dialog, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

std::wstring windowText(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

TEST(ShellDialog, KnowsItsWindowFromInitialisationToDestruction) {
    RecordingDialog dialog;
    const HWND window = dialog.create(GetModuleHandleW(nullptr), *dialogWithEdit());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(dialog.initialised);
    EXPECT_EQ(dialog.hwnd(), window);
    DestroyWindow(window);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(ShellDialog, PreFilterSeesMessagesOfTheDialogAndItsChildrenOnly) {
    RecordingDialog dialog;
    const HWND window = dialog.create(GetModuleHandleW(nullptr), *dialogWithEdit());
    ASSERT_NE(window, nullptr);
    const HWND edit = GetDlgItem(window, kEditId);
    const HWND stranger =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);

    PostMessageW(window, WM_APP + 1, 0, 0);
    PostMessageW(edit, WM_APP + 2, 0, 0);
    PostMessageW(stranger, WM_APP + 3, 0, 0);
    pumpThroughDialog(dialog);

    EXPECT_EQ(dialog.preFiltered, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));
    DestroyWindow(stranger);
    DestroyWindow(window);
}

TEST(ShellDialog, SwallowedKeysNeverReachTheControl) {
    for (const bool swallow : {false, true}) {
        RecordingDialog dialog;
        dialog.swallowKeys = swallow;
        const HWND window = dialog.create(GetModuleHandleW(nullptr), *dialogWithEdit());
        ASSERT_NE(window, nullptr);
        const HWND edit = GetDlgItem(window, kEditId);

        PostMessageW(edit, WM_KEYDOWN, 'A', 1);
        pumpThroughDialog(dialog);

        EXPECT_EQ(windowText(edit).empty(), swallow) << "swallow " << swallow;
        DestroyWindow(window);
    }
}

TEST(ShellModalLoop, EndsWhenTheDialogIsDestroyed) {
    RecordingDialog dialog;
    ASSERT_NE(dialog.create(GetModuleHandleW(nullptr), *dialogWithEdit()), nullptr);
    PostMessageW(dialog.hwnd(), kCloseYourself, 0, 0);
    runModalLoop(dialog);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

class CountingWindow : public Window {
public:
    int pings = 0;
    HWND seenAs = nullptr;

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            ++pings;
            seenAs = hwnd();
            return 42;
        }
        return defaultProcessing(message, wParam, lParam);
    }
};

TEST(ShellWindow, MessagesReachTheObjectThatCreatedTheWindow) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(Window::registerClass(instance, L"ShellWindowTestClass"));
    CountingWindow first;
    CountingWindow second;
    ASSERT_NE(first.create(instance, L"ShellWindowTestClass", L"", 0, HWND_MESSAGE), nullptr);
    ASSERT_NE(second.create(instance, L"ShellWindowTestClass", L"", 0, HWND_MESSAGE), nullptr);

    EXPECT_EQ(SendMessageW(second.hwnd(), WM_APP, 0, 0), 42);
    EXPECT_EQ(first.pings, 0);
    EXPECT_EQ(second.pings, 1);
    EXPECT_EQ(second.seenAs, second.hwnd());
}

TEST(ShellWindow, ClassOfAnotherProcedureIsNotTakenOver) {
    EXPECT_FALSE(Window::registerClass(GetModuleHandleW(nullptr), L"STATIC"));
}

} // namespace

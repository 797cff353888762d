#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/win/tray_icon.h"

namespace {

// A hidden top-level window to own the icon.
class OwnerWindow {
public:
    OwnerWindow()
        : hwnd_(CreateWindowExW(0, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                nullptr)) {}
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    ~OwnerWindow() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(ShellTrayIcon, AddsShowsBalloonsAndRemovesTheSameIcon) {
    OwnerWindow owner;
    TrayIcon icon(owner.get(), LoadIconW(nullptr, IDI_APPLICATION), L"Gaming Mouse Setting");

    ASSERT_TRUE(icon.add());
    EXPECT_TRUE(icon.showBalloon(L"Warning", L"The system did not detect the gaming mouse!", 100));
    EXPECT_TRUE(icon.remove());
    EXPECT_FALSE(icon.remove()) << "the icon is gone";
    EXPECT_FALSE(icon.showBalloon(L"Info", L"no icon to show it on", 100));
}

TEST(ShellTrayIcon, OverlongBalloonTextsAreCutNotOverrun) {
    OwnerWindow owner;
    TrayIcon icon(owner.get(), LoadIconW(nullptr, IDI_APPLICATION), std::wstring(300, L't').c_str());
    ASSERT_TRUE(icon.add());
    EXPECT_TRUE(icon.showBalloon(std::wstring(500, L'T'), std::wstring(5000, L'x'), 5000));
    EXPECT_TRUE(icon.remove());
}

TEST(ShellTrayIcon, CanBeAddedAgainAfterTheShellForgotIt) {
    OwnerWindow owner;
    TrayIcon icon(owner.get(), LoadIconW(nullptr, IDI_APPLICATION), L"Gaming Mouse Setting");
    ASSERT_TRUE(icon.add());
    ASSERT_TRUE(icon.remove());
    EXPECT_TRUE(icon.add());
    EXPECT_TRUE(icon.showBalloon(L"Info", L"back", 100));
    EXPECT_TRUE(icon.remove());
}

} // namespace

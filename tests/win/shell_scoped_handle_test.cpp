#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "ui/win/scoped_handle.h"

namespace {

bool isOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

HANDLE newEvent() {
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

TEST(ShellScopedHandle, ClosesItsHandleOnceWhenItGoesAway) {
    HANDLE raw = nullptr;
    {
        UniqueHandle event(newEvent());
        raw = event.get();
        ASSERT_TRUE(isOpen(raw));
    }
    EXPECT_FALSE(isOpen(raw));
}

TEST(ShellScopedHandle, ResetClosesTheOldHandleAndKeepsTheNewOne) {
    UniqueHandle event(newEvent());
    const HANDLE first = event.get();
    event.reset(newEvent());
    EXPECT_FALSE(isOpen(first));
    EXPECT_TRUE(isOpen(event.get()));
}

TEST(ShellScopedHandle, ReleasedHandleStaysOpen) {
    HANDLE raw = nullptr;
    {
        UniqueHandle event(newEvent());
        raw = event.release();
        EXPECT_FALSE(event.valid());
    }
    EXPECT_TRUE(isOpen(raw));
    CloseHandle(raw);
}

TEST(ShellScopedHandle, MovingHandsOwnershipOver) {
    UniqueHandle source(newEvent());
    const HANDLE raw = source.get();
    UniqueHandle target(std::move(source));
    EXPECT_FALSE(source.valid());
    EXPECT_EQ(target.get(), raw);
    UniqueHandle other(newEvent());
    const HANDLE replaced = other.get();
    other = std::move(target);
    EXPECT_FALSE(isOpen(replaced));
    EXPECT_EQ(other.get(), raw);
    EXPECT_TRUE(isOpen(raw));
}

TEST(ShellScopedHandle, InvalidHandleValuesAreNotOwned) {
    EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE).valid());
    EXPECT_FALSE(UniqueHandle(nullptr).valid());
}

} // namespace

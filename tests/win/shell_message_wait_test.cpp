#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "ui/win/message_wait.h"
#include "ui/win/scoped_handle.h"

namespace {

constexpr UINT kTimeoutMs = 3000;
// Long enough for the scope's timer to have come round several times.
constexpr UINT kNothingHappensMs = 200;

// A watched manual-reset event whose work counts its runs and clears it, as the device event
// reader does.
class MessageWaitTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(event);
        watchEventInMessageLoops(event.get(), [this] {
            ResetEvent(event.get());
            ++runs;
        });
    }
    void TearDown() override { watchEventInMessageLoops(nullptr, nullptr); }

    UniqueHandle event{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    int runs = 0;
};

TEST_F(MessageWaitTest, NextMessageDoesTheWorkOfTheEventSignalledWhileItWaits) {
    // A message of its own, which no message left over from another test can be taken for.
    const UINT signalled = RegisterWindowMessageW(L"GMMessageWaitTestSignalled");
    const DWORD thisThread = GetCurrentThreadId();
    // The message comes only once the work has reset the event, so it can end the wait only after
    // the event did its work there (or, if the wait never does it, after the time-out: the test fails).
    std::thread other([&] {
        SetEvent(event.get());
        const ULONGLONG end = GetTickCount64() + kTimeoutMs;
        while (WaitForSingleObject(event.get(), 0) == WAIT_OBJECT_0 && GetTickCount64() < end) {
            Sleep(1);
        }
        PostThreadMessageW(thisThread, signalled, 0, 0);
    });
    MSG message{};
    BOOL got = FALSE;
    do {
        got = nextMessage(message);
    } while (got > 0 && message.message != signalled);
    other.join();

    EXPECT_GT(got, 0);
    EXPECT_EQ(runs, 1);
}

TEST_F(MessageWaitTest, QuitEndsNextMessage) {
    PostQuitMessage(3);
    MSG message{};

    EXPECT_EQ(nextMessage(message), FALSE);
    EXPECT_EQ(message.wParam, 3u);
}

// A loop of the system takes its messages with GetMessage, which never looks at the event: the
// scope's timer does the work from within that loop.
TEST_F(MessageWaitTest, WorkIsDoneWithinAForeignLoopOnlyWhileTheScopeLasts) {
    const auto foreignLoopUntilWorkOr = [this](UINT limitMs) {
        const ULONGLONG end = GetTickCount64() + limitMs;
        const UINT_PTR deadline = SetTimer(nullptr, 0, limitMs, nullptr);
        MSG message{};
        while (runs == 0 && GetTickCount64() < end && GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        KillTimer(nullptr, deadline);
    };
    SetEvent(event.get());
    {
        const ForeignMessageLoop systemDialog;
        foreignLoopUntilWorkOr(kTimeoutMs);
    }
    EXPECT_EQ(runs, 1);

    SetEvent(event.get());
    foreignLoopUntilWorkOr(kNothingHappensMs);
    EXPECT_EQ(runs, 1);
}

} // namespace

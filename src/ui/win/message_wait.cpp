#include "ui/win/message_wait.h"

#include <utility>

namespace {

// How often a foreign loop's timer looks at the event: a device event reaches the window within
// this time while a menu or a system dialog is open.
constexpr UINT kForeignLoopPollMs = 20;

struct WatchedEvent {
    HANDLE event = nullptr;
    std::function<void()> work;
};

WatchedEvent& watched() {
    static WatchedEvent watch;
    return watch;
}

// Does the work if the event is signalled; whether it was.
bool serviceWatchedEvent() {
    const WatchedEvent& watch = watched();
    if (watch.event == nullptr || WaitForSingleObject(watch.event, 0) != WAIT_OBJECT_0) {
        return false;
    }
    // A copy: the work may end the watching, which replaces the stored work while it runs.
    const std::function<void()> work = watch.work;
    work();
    return true;
}

void CALLBACK pollWatchedEvent(HWND, UINT, UINT_PTR, DWORD) {
    serviceWatchedEvent();
}

} // namespace

void watchEventInMessageLoops(HANDLE event, std::function<void()> work) {
    watched() = {event, event != nullptr ? std::move(work) : nullptr};
}

BOOL nextMessage(MSG& message) {
    for (;;) {
        serviceWatchedEvent();
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            return message.message == WM_QUIT ? FALSE : TRUE;
        }
        const HANDLE event = watched().event;
        if (event == nullptr) {
            return GetMessageW(&message, nullptr, 0, 0);
        }
        MsgWaitForMultipleObjectsEx(1, &event, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

ForeignMessageLoop::ForeignMessageLoop()
    : timer_(SetTimer(nullptr, 0, kForeignLoopPollMs, &pollWatchedEvent)) {}

ForeignMessageLoop::~ForeignMessageLoop() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
    }
}

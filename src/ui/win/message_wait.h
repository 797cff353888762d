#pragma once

#include <windows.h>

#include <functional>

// The thread's message loops wait for their messages and for one watched kernel event, and do the
// event's work when it is signalled: work that would otherwise need a thread of its own waiting on
// the event (under Wine every running thread costs about a megabyte of memory).
//
// The loops of this program take their messages through nextMessage. While a loop of the system
// runs instead (a menu, a message box, a common dialog), a ForeignMessageLoop scope around it
// looks at the event from a timer meanwhile.

// Watches `event` from now on and runs `work` each time it is found signalled; the work is to
// reset the event. A null event stops the watching.
void watchEventInMessageLoops(HANDLE event, std::function<void()> work);

// Takes the next message as GetMessageW does (0 for WM_QUIT), doing the watched work whenever the
// event is signalled, before and while it waits.
BOOL nextMessage(MSG& message);

// For its lifetime, a thread timer looks at the watched event every few milliseconds and does the
// work when it is signalled: the loop of a menu, a message box or a common dialog dispatches the
// timer as it dispatches every other message.
class ForeignMessageLoop {
public:
    ForeignMessageLoop();
    ~ForeignMessageLoop();
    ForeignMessageLoop(const ForeignMessageLoop&) = delete;
    ForeignMessageLoop& operator=(const ForeignMessageLoop&) = delete;

private:
    UINT_PTR timer_ = 0;
};

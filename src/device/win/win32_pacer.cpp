#include "device/win/win32_pacer.h"

#include <mmsystem.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

// How long before the deadline the sleep ends; the rest is spun. A sleep rarely wakes more than
// about a millisecond late even at 1 ms timer resolution.
constexpr LONGLONG kSpinMicroseconds = 1500;
constexpr LONGLONG kMicrosecondsPerSecond = 1'000'000;
// Waitable timers count in 100 ns units; a negative due time is relative to now.
constexpr LONGLONG kTimerUnitsPerMicrosecond = 10;

} // namespace

Win32Pacer::Win32Pacer() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    ticksPerSecond_ = frequency.QuadPart;
    timer_.reset(
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
    if (!timer_) {
        // Older systems: ask for 1 ms scheduler resolution for as long as the pacer lives.
        timerPeriodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
}

Win32Pacer::~Win32Pacer() {
    if (timerPeriodRaised_) {
        timeEndPeriod(1);
    }
}

void Win32Pacer::pause(std::chrono::milliseconds duration) {
    if (duration.count() <= 0) {
        return;
    }
    const LONGLONG total = duration.count() * ticksPerSecond_ / 1000;
    const LONGLONG deadline = now() + total;
    const LONGLONG spinTicks = kSpinMicroseconds * ticksPerSecond_ / kMicrosecondsPerSecond;
    if (total > spinTicks) {
        sleepFor(total - spinTicks);
    }
    while (now() < deadline) {
        YieldProcessor();
    }
}

void Win32Pacer::sleepFor(LONGLONG ticks) {
    const LONGLONG microseconds = ticks * kMicrosecondsPerSecond / ticksPerSecond_;
    if (timer_) {
        LARGE_INTEGER due{};
        due.QuadPart = -microseconds * kTimerUnitsPerMicrosecond;
        if (SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
            WaitForSingleObject(timer_.get(), INFINITE);
            return;
        }
    }
    Sleep(static_cast<DWORD>(microseconds / 1000));
}

LONGLONG Win32Pacer::now() const {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

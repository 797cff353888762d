#pragma once

#include <windows.h>

#include <chrono>

#include "device/pacer.h"
#include "ui/win/scoped_handle.h"

// Waits out the protocol's pauses to a fraction of a millisecond. The default scheduler tick of
// 15.6 ms would stretch every 2 or 3 ms pause of an Apply five-fold, so the pacer sleeps on a
// high-resolution waitable timer where Windows offers one (otherwise on 1 ms timer resolution)
// until shortly before the deadline, then spins on the performance counter for the rest.
class Win32Pacer : public Pacer {
public:
    Win32Pacer();
    ~Win32Pacer() override;
    Win32Pacer(const Win32Pacer&) = delete;
    Win32Pacer& operator=(const Win32Pacer&) = delete;

    void pause(std::chrono::milliseconds duration) override;

    // Whether the sleeping part uses a high-resolution waitable timer (else Sleep at 1 ms resolution).
    bool usesHighResolutionTimer() const { return timer_.valid(); }

private:
    void sleepFor(LONGLONG ticks);
    LONGLONG now() const;

    UniqueHandle timer_;
    bool timerPeriodRaised_ = false;
    LONGLONG ticksPerSecond_ = 0;
};

#include "device/precise_pacer.h"

#include <thread>

void PrecisePacer::pause(std::chrono::milliseconds duration) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + duration;
    if (duration > spinMargin_) {
        std::this_thread::sleep_until(deadline - spinMargin_);
    }
    while (Clock::now() < deadline) {
        std::this_thread::yield();
    }
}

void SleepingPacer::pause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

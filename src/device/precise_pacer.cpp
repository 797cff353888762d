#include "device/precise_pacer.h"

#include <algorithm>
#include <thread>

namespace {

using std::chrono::nanoseconds;

constexpr nanoseconds kSmallestMargin = std::chrono::microseconds(20);
constexpr nanoseconds kLargestMargin = std::chrono::milliseconds(1);

// The margin moves an eighth of the way towards each lateness observed. A wake-up far later than
// usual (the system was busy elsewhere) counts as only twice the margin, so that one outlier does
// not make the following pauses spin for long.
nanoseconds averaged(nanoseconds margin, nanoseconds lateness) {
    const nanoseconds counted = std::min(lateness, 2 * margin);
    return std::clamp(margin + (counted - margin) / 8, kSmallestMargin, kLargestMargin);
}

} // namespace

void PrecisePacer::pause(std::chrono::milliseconds duration) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + duration;
    if (duration > wakeMargin_) {
        const Clock::time_point wakeAt = deadline - wakeMargin_;
        std::this_thread::sleep_until(wakeAt);
        // The lateness of the sleep, plus a fifth for safety: a margin that only matched the
        // average would overshoot half the time.
        const nanoseconds lateness = Clock::now() - wakeAt;
        wakeMargin_ = averaged(wakeMargin_, lateness + lateness / 5);
    }
    // Spin: giving the processor away here could cost a whole scheduler time slice.
    while (Clock::now() < deadline) {
    }
}

void SleepingPacer::pause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

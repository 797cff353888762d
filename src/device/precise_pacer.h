#pragma once

#include <chrono>

#include "device/pacer.h"

// Waits the pauses with sub-millisecond accuracy on any system: it sleeps until shortly before
// the deadline, then yields in a loop until the deadline has passed. The spin margin covers the
// usual lateness of a sleep; a coarse system timer needs a larger one.
class PrecisePacer : public Pacer {
public:
    static constexpr std::chrono::microseconds kDefaultSpinMargin{500};

    explicit PrecisePacer(std::chrono::microseconds spinMargin = kDefaultSpinMargin)
        : spinMargin_(spinMargin) {}

    void pause(std::chrono::milliseconds duration) override;

private:
    std::chrono::microseconds spinMargin_;
};

// Waits with a plain sleep, as coarse as the system's sleep is.
class SleepingPacer : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override;
};

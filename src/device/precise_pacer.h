#pragma once

#include <chrono>

#include "device/pacer.h"

// Waits the pauses closely on any system: it sleeps until shortly before the deadline, then spins
// until the deadline has passed. How early it wakes follows how late its sleeps have been waking
// (a running average), so the spin stays short on a quiet system and a busy one alike.
class PrecisePacer : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override;

private:
    // How far ahead of a deadline the next sleep ends.
    std::chrono::nanoseconds wakeMargin_ = std::chrono::microseconds(200);
};

// Waits with a plain sleep, as coarse as the system's sleep is.
class SleepingPacer : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override;
};

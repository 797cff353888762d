#pragma once

#include <chrono>
#include <vector>

#include "device/pacer.h"

// Keeps the pauses it is asked for instead of waiting.
class RecordingPacer : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override { pauses_.push_back(duration); }

    const std::vector<std::chrono::milliseconds>& pauses() const { return pauses_; }

    std::chrono::milliseconds total() const {
        std::chrono::milliseconds sum{0};
        for (auto pause : pauses_) {
            sum += pause;
        }
        return sum;
    }

private:
    std::vector<std::chrono::milliseconds> pauses_;
};

#pragma once

#include <chrono>

// The protocol's pauses between commands and after data chunks. The Windows pacer waits with high
// resolution; tests record the pauses instead of waiting.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

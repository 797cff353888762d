#pragma once

#include <string>
#include <utility>

#include "device/pacer.h"
#include "device/wire_trace.h"

// Writes "sleep N" (milliseconds) to the wire trace for each pause, then lets the wrapped pacer
// wait.
class TracingPacer : public Pacer {
public:
    TracingPacer(Pacer& inner, WireTraceSink sink) : inner_(inner), sink_(std::move(sink)) {}

    void pause(std::chrono::milliseconds duration) override {
        sink_("sleep " + std::to_string(duration.count()));
        inner_.pause(duration);
    }

private:
    Pacer& inner_;
    WireTraceSink sink_;
};

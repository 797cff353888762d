#include "device/tracing_hid_port.h"

#include <string>

void TracingHidPort::trace(std::string_view kind, bool succeeded, std::span<const uint8_t> report) {
    sink_(succeeded ? traceLine(kind, report) : std::string(kind) + " failed");
}

bool TracingHidPort::setFeature(std::span<const uint8_t> report) {
    const bool succeeded = inner_.setFeature(report);
    trace("set-feature", succeeded, report);
    return succeeded;
}

bool TracingHidPort::getFeature(std::span<uint8_t> report) {
    const bool succeeded = inner_.getFeature(report);
    trace("get-feature", succeeded, report);
    return succeeded;
}

bool TracingHidPort::writeOutput(std::span<const uint8_t> report) {
    const bool succeeded = inner_.writeOutput(report);
    trace("write", succeeded, report);
    return succeeded;
}

bool TracingHidPort::readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) {
    const bool succeeded = inner_.readInput(report, timeout);
    trace("read", succeeded, report);
    return succeeded;
}

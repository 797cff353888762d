#pragma once

#include <utility>

#include "device/hid_port.h"
#include "device/wire_trace.h"

// Passes every call on to the wrapped port and writes one trace line per report: the bytes sent
// for set-feature and write, the bytes received for get-feature and read. A call the port refuses
// is traced as "<kind> failed".
class TracingHidPort : public HidPort {
public:
    TracingHidPort(HidPort& inner, WireTraceSink sink) : inner_(inner), sink_(std::move(sink)) {}

    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    bool writeOutput(std::span<const uint8_t> report) override;
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override;

    uint16_t featureLength() const override { return inner_.featureLength(); }
    uint16_t inputLength() const override { return inner_.inputLength(); }
    uint16_t outputLength() const override { return inner_.outputLength(); }

private:
    void trace(std::string_view kind, bool succeeded, std::span<const uint8_t> report);

    HidPort& inner_;
    WireTraceSink sink_;
};

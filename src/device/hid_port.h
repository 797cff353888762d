#pragma once

#include <chrono>
#include <cstdint>
#include <span>

// The mouse's command interface as the protocol sees it: feature reports for the eight-byte
// commands, output and input reports for the data chunks. Buffers include the report ID byte.
// Every call reports whether it succeeded; a failed read leaves the buffer as it was.
class HidPort {
public:
    virtual ~HidPort() = default;

    virtual bool setFeature(std::span<const uint8_t> report) = 0;
    virtual bool getFeature(std::span<uint8_t> report) = 0;
    virtual bool writeOutput(std::span<const uint8_t> report) = 0;
    // Waits at most `timeout` for one input report.
    virtual bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) = 0;

    virtual uint16_t featureLength() const = 0;
    virtual uint16_t inputLength() const = 0;
    virtual uint16_t outputLength() const = 0;
};

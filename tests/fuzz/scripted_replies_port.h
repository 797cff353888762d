#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/hid_port.h"

// A command interface whose lengths and replies come from fuzz input: the first three bytes give
// the feature, input and output report lengths (0 to 255, so broken ones too), then every call
// takes one byte deciding whether it succeeds, and every reply takes its bytes in order; when the
// input is used up, calls fail.
class ScriptedRepliesPort : public HidPort {
public:
    explicit ScriptedRepliesPort(std::span<const uint8_t> input) : input_(input) {
        featureLength_ = take();
        inputLength_ = take();
        outputLength_ = take();
    }

    bool setFeature(std::span<const uint8_t> report) override { return touch(report) && succeeds(); }
    bool getFeature(std::span<uint8_t> report) override { return succeeds() && fill(report); }
    bool writeOutput(std::span<const uint8_t> report) override { return touch(report) && succeeds(); }
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds) override {
        return succeeds() && fill(report);
    }

    uint16_t featureLength() const override { return featureLength_; }
    uint16_t inputLength() const override { return inputLength_; }
    uint16_t outputLength() const override { return outputLength_; }

private:
    uint8_t take() { return position_ < input_.size() ? input_[position_++] : 0; }

    bool succeeds() { return position_ < input_.size() && (take() & 0x0F) != 0; }

    // Reads every byte of an outgoing report, so the sanitizers see any read outside it.
    static bool touch(std::span<const uint8_t> report) {
        unsigned sum = 0;
        for (uint8_t byte : report) {
            sum += byte;
        }
        return sum != 0xFFFFFFFFu;
    }

    // Writes every byte of an incoming report, so the sanitizers see any buffer too small.
    bool fill(std::span<uint8_t> report) {
        for (uint8_t& byte : report) {
            byte = take();
        }
        return true;
    }

    std::span<const uint8_t> input_;
    std::size_t position_ = 0;
    uint16_t featureLength_ = 0;
    uint16_t inputLength_ = 0;
    uint16_t outputLength_ = 0;
};

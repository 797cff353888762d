#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "device/hid_port.h"

// A command interface that keeps every report it is given and answers from queued replies: a
// get-feature or read without a queued reply fails. Report lengths are settable.
class ScriptedHidPort : public HidPort {
public:
    uint16_t feature = 9;
    uint16_t input = 33;
    uint16_t output = 33;

    std::vector<std::vector<uint8_t>> featuresSent;
    std::vector<std::vector<uint8_t>> outputsSent;
    std::deque<std::vector<uint8_t>> featureReplies;
    std::deque<std::vector<uint8_t>> inputReports;
    int getFeatureCalls = 0;
    int readInputCalls = 0;
    std::vector<std::chrono::milliseconds> readTimeouts;
    bool refuseFeatures = false;

    bool setFeature(std::span<const uint8_t> report) override {
        featuresSent.emplace_back(report.begin(), report.end());
        return !refuseFeatures;
    }
    bool getFeature(std::span<uint8_t> report) override {
        ++getFeatureCalls;
        return answer(featureReplies, report);
    }
    bool writeOutput(std::span<const uint8_t> report) override {
        outputsSent.emplace_back(report.begin(), report.end());
        return true;
    }
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override {
        ++readInputCalls;
        readTimeouts.push_back(timeout);
        return answer(inputReports, report);
    }

    uint16_t featureLength() const override { return feature; }
    uint16_t inputLength() const override { return input; }
    uint16_t outputLength() const override { return output; }

private:
    static bool answer(std::deque<std::vector<uint8_t>>& queue, std::span<uint8_t> report) {
        if (queue.empty()) {
            return false;
        }
        const std::vector<uint8_t>& next = queue.front();
        std::copy_n(next.begin(), std::min(next.size(), report.size()), report.begin());
        queue.pop_front();
        return true;
    }
};

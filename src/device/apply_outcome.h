#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/command_code.h"

// One exchange of a sequence with the mouse: its command and the LED set, colour block, key matrix
// or macro slot it concerns (0 for commands without one).
struct DeviceStep {
    CommandCode code{};
    uint8_t number = 0;
    bool operator==(const DeviceStep&) const = default;
};

// What became of an Apply: whether the mouse took the settings, and where it is not confirmed,
// which exchanges failed, which writes were held back and which macro slots read back unlike what
// was sent.
struct ApplyOutcome {
    enum class Result {
        // Every exchange went through with sound replies and every macro slot read back as sent.
        Taken,
        // The sequence ran, but something of it failed: the mouse may not hold the settings.
        NotConfirmed,
        // There was no mouse to send to (no command interface, or one whose reports cannot carry a
        // command); nothing was sent.
        NoMouse,
    };

    Result result = Result::Taken;
    // Exchanges that failed: no reply in time, a garbled reply, a reply for another command or
    // number, a data block shorter than the item, or a report the mouse refused.
    std::vector<DeviceStep> failedSteps;
    // Writes that were not sent because what they carry could not be read from the mouse.
    std::vector<DeviceStep> withheldSteps;
    // Macro slots (counted from 1) whose read-back differs from what was sent.
    std::vector<uint8_t> mismatchedSlots;

    bool taken() const { return result == Result::Taken; }
    bool operator==(const ApplyOutcome&) const = default;
};

// Collects the outcome of a sequence step by step.
class ApplyOutcomeBuilder {
public:
    // Notes an exchange; `succeeded` false counts it as failed. Returns `succeeded`.
    bool note(DeviceStep step, bool succeeded);
    void withhold(DeviceStep step);
    void mismatch(uint8_t slotNumber);
    ApplyOutcome outcome() const;

private:
    ApplyOutcome outcome_;
};

// The outcome in one English line for the command-line tool, for example "failed: read colour
// block 0-1, read macro slot 1-12; not sent: write colour block 0; macro slots read back unlike
// sent: 3"; empty when the settings were taken.
std::string describeApplyOutcome(const ApplyOutcome& outcome);

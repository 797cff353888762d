#include "device/apply_outcome.h"

#include <cstddef>

namespace {

const char* stepName(CommandCode code) {
    switch (code) {
    case kSetReportRate:
        return "set report rate";
    case kWriteSensorSettings:
        return "write sensor settings";
    case kReadSensorSettings:
        return "read sensor settings";
    case kWriteLedParameterSet:
        return "write LED set";
    case kReadLedParameterSet:
        return "read LED set";
    case kWriteLightingEffect:
        return "write lighting effect";
    case kReadLightingEffect:
        return "read lighting effect";
    case kWriteColorBlock:
        return "write colour block";
    case kReadColorBlock:
        return "read colour block";
    case kWriteDpiStages:
        return "write DPI stages";
    case kWriteKeyMatrix:
        return "write key matrix";
    case kWriteMacroSlot:
        return "write macro slot";
    case kReadMacroSlot:
        return "read macro slot";
    }
    return "command";
}

bool isNumbered(CommandCode code) {
    switch (code) {
    case kWriteLedParameterSet:
    case kReadLedParameterSet:
    case kWriteColorBlock:
    case kReadColorBlock:
    case kWriteKeyMatrix:
    case kWriteMacroSlot:
    case kReadMacroSlot:
        return true;
    default:
        return false;
    }
}

// Numbers as "1, 3, 5-12": runs of consecutive numbers are joined.
std::string numberList(const std::vector<unsigned>& numbers) {
    std::string text;
    for (std::size_t first = 0; first < numbers.size();) {
        std::size_t last = first;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) {
            ++last;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(numbers[first]);
        if (last > first) {
            text += '-';
            text += std::to_string(numbers[last]);
        }
        first = last + 1;
    }
    return text;
}

// Steps as "read LED set 0-1, write lighting effect": neighbouring steps of one command are joined.
std::string stepList(const std::vector<DeviceStep>& steps) {
    std::string text;
    for (std::size_t first = 0; first < steps.size();) {
        const CommandCode code = steps[first].code;
        std::vector<unsigned> numbers;
        std::size_t next = first;
        while (next < steps.size() && steps[next].code == code) {
            numbers.push_back(steps[next].number);
            ++next;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += stepName(code);
        if (isNumbered(code)) {
            text += ' ';
            text += numberList(numbers);
        }
        first = next;
    }
    return text;
}

} // namespace

bool ApplyOutcomeBuilder::note(DeviceStep step, bool succeeded) {
    if (!succeeded) {
        outcome_.failedSteps.push_back(step);
    }
    return succeeded;
}

void ApplyOutcomeBuilder::withhold(DeviceStep step) {
    outcome_.withheldSteps.push_back(step);
}

void ApplyOutcomeBuilder::mismatch(uint8_t slotNumber) {
    outcome_.mismatchedSlots.push_back(slotNumber);
}

ApplyOutcome ApplyOutcomeBuilder::outcome() const {
    ApplyOutcome outcome = outcome_;
    const bool confirmed =
        outcome.failedSteps.empty() && outcome.withheldSteps.empty() && outcome.mismatchedSlots.empty();
    outcome.result = confirmed ? ApplyOutcome::Result::Taken : ApplyOutcome::Result::NotConfirmed;
    return outcome;
}

std::string describeApplyOutcome(const ApplyOutcome& outcome) {
    if (outcome.result == ApplyOutcome::Result::NoMouse) {
        return "no mouse whose command interface can carry a command; nothing was sent";
    }
    std::string text;
    auto part = [&text](const std::string& piece) {
        if (!text.empty()) {
            text += "; ";
        }
        text += piece;
    };
    if (!outcome.failedSteps.empty()) {
        part("failed: " + stepList(outcome.failedSteps));
    }
    if (!outcome.withheldSteps.empty()) {
        part("not sent: " + stepList(outcome.withheldSteps));
    }
    if (!outcome.mismatchedSlots.empty()) {
        const std::vector<unsigned> slots(outcome.mismatchedSlots.begin(), outcome.mismatchedSlots.end());
        part("macro slots read back unlike sent: " + numberList(slots));
    }
    return text;
}

#include "device/emulator/emulator_fault_names.h"

#include <charconv>
#include <cstdint>
#include <iterator>

#include "device/transport.h"

namespace {

struct FaultName {
    std::string_view name;
    unsigned long long largest;
    void (*set)(EmulatorFaults& faults, unsigned long long value);
};

constexpr unsigned long long kByte = 0xFF;
constexpr unsigned long long kLength = 0xFFFF;
constexpr unsigned long long kSwitch = 1;
constexpr unsigned long long kCount = 1'000'000'000;
// The input reports of the longest data read reply: each is queued at once, so a larger number would
// only fill memory with reports no read asks for.
constexpr unsigned long long kChunks = chunkCount(0xFF);

const FaultName kFaultNames[] = {
    {"unplug-after", kCount, [](EmulatorFaults& f, unsigned long long v) { f.unplugAfterReports = v; }},
    {"silent", kSwitch, [](EmulatorFaults& f, unsigned long long v) { f.silentInput = v != 0; }},
    {"no-replies", kSwitch, [](EmulatorFaults& f, unsigned long long v) { f.silentReplies = v != 0; }},
    {"bad-checksum", kSwitch, [](EmulatorFaults& f, unsigned long long v) { f.badChecksum = v != 0; }},
    {"reply-code", kByte, [](EmulatorFaults& f, unsigned long long v) { f.replyCode = uint8_t(v); }},
    {"announced-length", kByte,
     [](EmulatorFaults& f, unsigned long long v) { f.announcedLength = uint8_t(v); }},
    {"chunks-sent", kChunks, [](EmulatorFaults& f, unsigned long long v) { f.chunksSent = v; }},
    {"reply-number", kByte, [](EmulatorFaults& f, unsigned long long v) { f.replyNumber = uint8_t(v); }},
    {"feature-length", kLength,
     [](EmulatorFaults& f, unsigned long long v) { f.featureLength = uint16_t(v); }},
    {"input-length", kLength, [](EmulatorFaults& f, unsigned long long v) { f.inputLength = uint16_t(v); }},
    {"output-length", kLength, [](EmulatorFaults& f, unsigned long long v) { f.outputLength = uint16_t(v); }},
    {"forget-on-unplug", kSwitch, [](EmulatorFaults& f, unsigned long long v) { f.forgetOnUnplug = v != 0; }},
};

bool parseNumber(std::string_view text, unsigned long long& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

} // namespace

bool applyEmulatorFault(std::string_view assignment, EmulatorFaults& faults, std::string& error) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        error = "a fault is NAME=VALUE, not \"" + std::string(assignment) + "\"";
        return false;
    }
    const std::string_view name = assignment.substr(0, equals);
    const std::string_view valueText = assignment.substr(equals + 1);
    for (const FaultName& fault : kFaultNames) {
        if (fault.name != name) {
            continue;
        }
        unsigned long long value = 0;
        if (!parseNumber(valueText, value) || value > fault.largest) {
            error =
                "fault " + std::string(name) + " takes a number from 0 to " + std::to_string(fault.largest);
            return false;
        }
        fault.set(faults, value);
        return true;
    }
    error = "unknown fault " + std::string(name) + " (known: " + emulatorFaultNames() + ")";
    return false;
}

bool applyEmulatorFaultList(std::string_view list, EmulatorFaults& faults, std::string& error) {
    EmulatorFaults changed = faults;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view entry = list.substr(0, comma);
        if (!entry.empty() && !applyEmulatorFault(entry, changed, error)) {
            return false;
        }
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    faults = changed;
    return true;
}

std::string emulatorFaultNames() {
    std::string names;
    for (const FaultName& fault : kFaultNames) {
        names += (names.empty() ? "" : ", ") + std::string(fault.name);
    }
    return names;
}

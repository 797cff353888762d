#pragma once

#include <string>
#include <vector>

#include "device/apply_configuration.h"
#include "device/emulator/mouse_emulator.h"
#include "doubles/recording_pacer.h"
#include "device/tracing_hid_port.h"
#include "device/tracing_pacer.h"
#include "device/transport.h"

// The emulated mouse behind a traced port and a recording pacer, so a test sees every report and
// pause in the order it happened. The emulator's read time-outs are recorded in `timeouts` instead
// of being waited out.
struct ApplyHarness {
    explicit ApplyHarness(uint8_t sensorType = 1) : mouse(sensorType) { mouse.setTimeoutWaiter(timeouts); }

    std::size_t count(const std::string& prefix) const {
        std::size_t found = 0;
        for (const std::string& line : trace) {
            found += line.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return found;
    }

    MouseEmulator mouse;
    std::vector<std::string> trace;
    TracingHidPort port{mouse, [this](const std::string& line) { trace.push_back(line); }};
    RecordingPacer timeouts;
    RecordingPacer recorder;
    TracingPacer pacer{recorder, [this](const std::string& line) { trace.push_back(line); }};
    Transport transport{port, pacer, std::chrono::milliseconds(1)};
    DeviceImage image;
};

// A record that differs from the emulated mouse's factory state everywhere Apply sends it.
inline DeviceConfigRecord sampleRecord() {
    DeviceConfigRecord record{};
    restoreDefaultAssignments(record);
    record.keyMode = 1;
    record.setB.functionIndex[0] = kMacroKey;
    record.setB.macroNumber[0] = 2;
    record.setB.macroRepeatMode[0] = 1;
    record.setB.functionIndex[3] = kSingleKey;
    record.setB.singleKeyCode[3] = 0x04;
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        record.macroSlots[slot].setLoopCount(static_cast<uint16_t>(slot + 1));
        for (std::size_t i = 0; i < kMacroEventStreamSize; ++i) {
            record.macroSlots[slot].events[i] = static_cast<uint8_t>(slot * 7 + i);
        }
    }
    record.reportIntervalCode = 4;
    record.dpiPosition = {4, 7, 0, 2};
    record.dpiStageEnabled = {1, 0, 1, 1};
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        record.stageColor[stage] =
            StageColor{static_cast<uint8_t>(0x10 + stage), static_cast<uint8_t>(0x20 + stage),
                       static_cast<uint8_t>(0x30 + stage)};
    }
    record.lightingMode = 2;
    record.respirationCycle = 4;
    record.respirationColorEffect = 2;
    return record;
}

#include "device/apply_configuration.h"

#include <cstring>

#include "assign/key_matrix.h"
#include "device/device_exchanges.h"
#include "device/dpi_data.h"
#include "device/lighting_merge.h"

namespace {

void copyMacroSlots(const DeviceConfigRecord& record, DeviceImage& image) {
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        std::memcpy(image.macroSlots[slot].data(), &record.macroSlots[slot], kMacroSlotSize);
    }
}

// Which lighting writes carry nothing but values read from the mouse in this Apply or decided by
// the record. Colour block 1 is the record's stage colours followed by zeros, so it is always
// known. Colour block 0 and LED set 1 go back as read, so they are known only when read. LED set 0
// and the effect bytes are known when read, or when the record's lighting choice sets every byte
// of them (Standard; Respiration with RGB Effect or RGB Flash; Neon with RGB Flash or RGB Fixed On
// for LED set 0). A write that is not known is not sent: the mouse keeps what it holds.
struct KnownLighting {
    bool effect;
    std::array<bool, kLedParameterSetCount> ledSets;
    std::array<bool, kColorBlockCount> colorBlocks;
};

KnownLighting knownLighting(const DeviceConfigRecord& record, const ReadMarks& read) {
    const LightingDecided decided = lightingDecidedByRecord(record);
    return {read.lightingEffect || decided.effect,
            {read.ledSets[0] || decided.ledSet0, read.ledSets[1]},
            {read.colorBlocks[0], true}};
}

} // namespace

ApplyOutcome applyConfiguration(Transport& transport, const DeviceConfigRecord& record, uint8_t sensorType,
                                DeviceImage& image) {
    if (!transport.carriesProtocol()) {
        return ApplyOutcome{ApplyOutcome::Result::NoMouse, {}, {}, {}};
    }
    ApplyOutcomeBuilder outcome;
    // Sends a write when what it carries is known; otherwise notes it as held back.
    auto sendKnown = [&outcome](bool known, DeviceStep step, auto write) {
        if (known) {
            outcome.note(step, write());
        } else {
            outcome.withhold(step);
        }
    };

    outcome.note({kSetReportRate}, setReportRate(transport, record.reportIntervalCode));

    image.read = ReadMarks{};
    outcome.note({kReadLightingEffect}, readLightingEffect(transport, image));
    for (uint8_t set = 0; set < kLedParameterSetCount; ++set) {
        outcome.note({kReadLedParameterSet, set}, readLedParameterSet(transport, image, set));
    }
    for (uint8_t block = 0; block < kColorBlockCount; ++block) {
        outcome.note({kReadColorBlock, block}, readColorBlock(transport, image, block));
    }

    const KnownLighting known = knownLighting(record, image.read);
    mergeLighting(record, image.lightingEffect, image.ledSets[0]);
    image.colorBlocks[1] = stageColorBlock(record);

    for (uint8_t block = 0; block < kColorBlockCount; ++block) {
        sendKnown(known.colorBlocks[block], {kWriteColorBlock, block},
                  [&] { return writeColorBlock(transport, image, block); });
    }
    for (uint8_t set = 0; set < kLedParameterSetCount; ++set) {
        sendKnown(known.ledSets[set], {kWriteLedParameterSet, set},
                  [&] { return writeLedParameterSet(transport, image, set); });
    }
    sendKnown(known.effect, {kWriteLightingEffect}, [&] { return writeLightingEffect(transport, image); });

    image.dpiData = buildDpiData(record, sensorType);
    outcome.note({kWriteDpiStages}, writeDpiStages(transport, image));

    image.keyMatrices = {};
    copyMacroSlots(record, image);
    const std::array<MacroSlotBytes, kMacroSlotCount> sentSlots = image.macroSlots;
    for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        outcome.note({kWriteMacroSlot, slot}, writeMacroSlot(transport, image, slot));
    }
    // Each slot is compared as soon as it is read back, before a later reply could land on it.
    for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        if (outcome.note({kReadMacroSlot, slot}, readMacroSlot(transport, image, slot)) &&
            image.macroSlots[slot - 1u] != sentSlots[slot - 1u]) {
            outcome.mismatch(slot);
        }
    }

    image.keyMatrices[0] = BuildKeyMatrix(record);
    for (uint8_t matrix = 1; matrix <= kKeyMatrixCount; ++matrix) {
        outcome.note({kWriteKeyMatrix, matrix}, writeKeyMatrix(transport, image, matrix));
    }
    return outcome.outcome();
}
